#include "PrintFonts.h"

#include <QFontDatabase>
#include <QHash>

namespace {

// Fixed-pitch and proportional Korean families, best first.
const QStringList &fixedKorean()
{
    static const QStringList families{QStringLiteral("NanumGothicCoding"), QStringLiteral("D2Coding"),
                                      QStringLiteral("Noto Sans Mono CJK KR"), QStringLiteral("NanumGothic")};
    return families;
}

const QStringList &proportionalKorean()
{
    static const QStringList families{QStringLiteral("NanumGothic"), QStringLiteral("Noto Sans CJK KR"),
                                      QStringLiteral("UnDotum"), QStringLiteral("NanumBarunGothic")};
    return families;
}

bool isFixedKorean(const QString &family)
{
    static const QStringList names{QStringLiteral("굴림체"), QStringLiteral("돋움체"),   QStringLiteral("바탕체"),
                                   QStringLiteral("궁서체"), QStringLiteral("GulimChe"), QStringLiteral("DotumChe")};
    return names.contains(family, Qt::CaseInsensitive);
}

bool isKorean(const QString &family)
{
    static const QStringList names{
        QStringLiteral("굴림"),   QStringLiteral("돋움"),      QStringLiteral("바탕"),
        QStringLiteral("궁서"),   QStringLiteral("Gulim"),     QStringLiteral("Dotum"),
        QStringLiteral("Batang"), QStringLiteral("맑은 고딕"), QStringLiteral("Malgun Gothic")};
    return names.contains(family, Qt::CaseInsensitive);
}

QString firstInstalled(const QStringList &candidates, const QString &fallback)
{
    for (const QString &candidate : candidates) {
        if (QFontDatabase::hasFamily(candidate))
            return candidate;
    }
    return fallback;
}

} // namespace

QString PrintFonts::family(const QString &requested)
{
    static QHash<QString, QString> cache;
    const auto found = cache.constFind(requested);
    if (found != cache.constEnd())
        return *found;
    QString chosen = requested;
    if (requested.isEmpty() || !QFontDatabase::hasFamily(requested)) {
        if (isFixedKorean(requested))
            chosen = firstInstalled(fixedKorean(), requested);
        else if (isKorean(requested) || requested.isEmpty())
            chosen = firstInstalled(proportionalKorean(), requested);
    }
    cache.insert(requested, chosen);
    return chosen;
}

QFont PrintFonts::twipsFont(const QString &familyName, double pointSize, bool bold, bool italic, bool underline,
                            bool strikeOut)
{
    QFont font(family(familyName));
    font.setPixelSize(qMax(1, qRound(pointSize * TwipsPerPoint)));
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    font.setStrikeOut(strikeOut);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QFont PrintFonts::scaled(const QFont &twipsFont, double factor)
{
    QFont font(twipsFont);
    font.setPixelSize(qMax(1, qRound(twipsFont.pixelSize() * factor)));
    return font;
}
