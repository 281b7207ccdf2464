#include "PrintMarkupText.h"

#include <array>

namespace {
struct FontEntry {
    int size; // 0: the title size
    int bold;
};
constexpr std::array<FontEntry, 5> FontTable{{{0, 1}, {10, 1}, {10, 0}, {10, 1}, {9, 0}}};
constexpr QChar Quote = QLatin1Char('"');
} // namespace

QString PrintMarkupText::fontTable(int titleSize)
{
    QString table;
    for (size_t k = 0; k < FontTable.size(); ++k) {
        const int size = FontTable[k].size == 0 ? titleSize : FontTable[k].size;
        table += QStringLiteral("/fn") + Quote + QStringLiteral("굴림체") + Quote + QStringLiteral("/fz") + Quote
                 + QString::number(size) + Quote + QStringLiteral("/fb") + QString::number(FontTable[k].bold)
                 + QStringLiteral("/fu0") + QStringLiteral("/fs") + QString::number(k + 1);
    }
    return table;
}

QString PrintMarkupText::header(const QString &title, const QString &left, const QString &center, int titleSize)
{
    return fontTable(titleSize) + QStringLiteral("/f1/c") + literal(title) + QStringLiteral("/n/n/f2/l") + literal(left)
           + QStringLiteral("/f4/c") + literal(center) + QStringLiteral("/n");
}

QString PrintMarkupText::footer(const QString &footText, bool pageFooter, int titleSize, const QDate &today)
{
    QString text = literal(footText);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("/n"));
    if (!pageFooter)
        return text;
    return text + fontTable(titleSize) + QStringLiteral("/n/f3/lPage: /p///pc/f5/c출력일:")
           + today.toString(QStringLiteral("yyyy.MM.dd"));
}

QString PrintMarkupText::literal(const QString &text)
{
    QString escaped = text;
    return escaped.replace(QLatin1Char('/'), QStringLiteral("//"));
}
