#pragma once
#include <QFont>
#include <QString>

struct SpreadCellLook;

// What one cell prints within a given width. A figure (a number cell, or a
// text of digits and signs such as a row number, date or time) is never cut:
// it prints whole, in a smaller size when it is wider than the cell. Other
// text that does not fit ends in "…" instead of being cut mid-character.
class PrintCellText {
public:
    static constexpr QChar Ellipsis = QChar(0x2026);

    // The font of a printed cell: the family the screen found for the one
    // asked for, sized in twips, so that the printed text is as wide as on screen.
    static QFont fontOf(const QFont &screenFont);
    static bool isFigure(const SpreadCellLook &look);
    // Width of a text in a printed cell's font, without the cell's insets.
    static double width(const QFont &font, const QString &text);

    PrintCellText(const SpreadCellLook &look, double width);
    const QFont &font() const { return m_font; }
    const QString &text() const { return m_text; }

private:
    void shrink(double width);
    void elide(double width);

    QFont m_font;
    QString m_text;
};
