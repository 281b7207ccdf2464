#include "KoreanFonts.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

namespace {
// The first installed family of the list, or "" when none is.
QString firstInstalled(const QStringList &families)
{
    const QStringList installed = QFontDatabase::families();
    for (const QString &family : families) {
        if (installed.contains(family, Qt::CaseInsensitive))
            return family;
    }
    return QString();
}
} // namespace

void InstallKoreanFonts()
{
    const QString gulim = QStringLiteral("굴림");
    const QString gulimChe = QStringLiteral("굴림체");
    const QString proportional = firstInstalled({gulim, QStringLiteral("Gulim"), QStringLiteral("NanumGothic"),
                                                 QStringLiteral("NanumBarunGothic"), QStringLiteral("Malgun Gothic")});
    const QString fixed = firstInstalled(
        {gulimChe, QStringLiteral("GulimChe"), QStringLiteral("NanumGothicCoding"), QStringLiteral("NanumGothic")});
    if (!QFontDatabase::families().contains(gulim) && !proportional.isEmpty())
        QFont::insertSubstitution(gulim, proportional);
    if (!QFontDatabase::families().contains(gulimChe) && !fixed.isEmpty())
        QFont::insertSubstitution(gulimChe, fixed);
    if (!proportional.isEmpty()) {
        QFont font(proportional, 9);
        QApplication::setFont(font);
    }
}
