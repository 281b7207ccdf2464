#include "PrintCellText.h"

#include "PrintFonts.h"
#include "SpreadCellLook.h"

#include <QFontInfo>
#include <QFontMetricsF>

QFont PrintCellText::fontOf(const QFont &screenFont)
{
    const double points = screenFont.pointSizeF() > 0 ? screenFont.pointSizeF()
                                                      : qMax(1, screenFont.pixelSize()) * 0.75;
    return PrintFonts::twipsFont(QFontInfo(screenFont).family(), points, screenFont.bold(), screenFont.italic(),
                                 screenFont.underline(), screenFont.strikeOut());
}

bool PrintCellText::isFigure(const SpreadCellLook &look)
{
    if (look.cellType == CellTypeNumber)
        return true;
    bool digits = false;
    for (const QChar c : look.text) {
        if (c.isDigit())
            digits = true;
        else if (!c.isPunct() && !c.isSpace() && !c.isSymbol())
            return false;
    }
    return digits;
}

double PrintCellText::width(const QFont &font, const QString &text)
{
    return QFontMetricsF(font).horizontalAdvance(text);
}

PrintCellText::PrintCellText(const SpreadCellLook &look, double width) : m_font(fontOf(look.font)), m_text(look.text)
{
    if (PrintCellText::width(m_font, m_text) <= width)
        return;
    if (isFigure(look))
        shrink(width);
    else
        elide(width);
}

// The size in proportion to the room, then a pixel smaller while rounding
// still leaves it too wide.
void PrintCellText::shrink(double width)
{
    const double natural = PrintCellText::width(m_font, m_text);
    m_font = PrintFonts::scaled(m_font, qMax(0.0, width) / natural);
    while (m_font.pixelSize() > 1 && PrintCellText::width(m_font, m_text) > width)
        m_font.setPixelSize(m_font.pixelSize() - 1);
}

void PrintCellText::elide(double width)
{
    const QFontMetricsF metrics(m_font);
    m_text = metrics.elidedText(m_text, Qt::ElideRight, qMax(0.0, width));
    // Too narrow even for the ellipsis: the mark alone shows that text is there.
    if (m_text.isEmpty())
        m_text = Ellipsis;
}
