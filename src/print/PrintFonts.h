#pragma once
#include <QFont>
#include <QString>

// Fonts of printed pages. Lengths on a page are twips, so a font is sized in
// pixels of one twip each (a point is 20 twips). Families the workstation
// lacks (the Korean system fonts of the original machines) are replaced by an
// installed Korean family of the same kind.
class PrintFonts {
public:
    static constexpr double TwipsPerPoint = 20.0;

    // The family to use for the requested one.
    static QString family(const QString &requested);
    // A font for drawing in twips.
    static QFont twipsFont(const QString &family, double pointSize, bool bold = false, bool italic = false,
                           bool underline = false, bool strikeOut = false);
    // The same font scaled (fit to page shrinks the sheet's text with it).
    static QFont scaled(const QFont &twipsFont, double factor);
};
