#include "HeaderFooterBlock.h"

#include "HeaderMarkup.h"
#include "PrintFonts.h"
#include "PrintText.h"

#include <QFontMetricsF>
#include <QPainter>

HeaderFooterBlock::HeaderFooterBlock(const QString &markup)
{
    const QList<MarkupLine> lines = HeaderMarkup::parse(markup, defaultFont());
    for (const MarkupLine &source : lines) {
        Line line;
        double descent = 0;
        auto measure = [&](const QFont &font) {
            const QFontMetricsF metrics(font);
            line.ascent = qMax(line.ascent, metrics.ascent());
            descent = qMax(descent, metrics.descent());
        };
        for (size_t part = 0; part < source.parts.size(); ++part) {
            for (const MarkupRun &run : source.parts[part]) {
                Run drawn{run.kind, run.text, fontOf(run.font)};
                measure(drawn.font);
                line.parts[part].append(drawn);
            }
        }
        if (source.isEmpty())
            measure(fontOf(source.font));
        line.height = line.ascent + descent;
        m_height += line.height;
        m_lines.append(line);
    }
}

MarkupFont HeaderFooterBlock::defaultFont()
{
    MarkupFont font;
    font.name = QStringLiteral("굴림체");
    font.size = 10;
    return font;
}

QFont HeaderFooterBlock::fontOf(const MarkupFont &font)
{
    return PrintFonts::twipsFont(font.name, font.size, font.bold, font.italic, font.underline, font.strikeOut);
}

QString HeaderFooterBlock::textOf(const Run &run, int page, int pageCount)
{
    switch (run.kind) {
    case MarkupRunKind::PageNumber: return QString::number(page);
    case MarkupRunKind::PageCount: return QString::number(pageCount);
    case MarkupRunKind::Text: break;
    }
    return run.text;
}

double HeaderFooterBlock::widthOf(const QList<Run> &runs, int page, int pageCount)
{
    double width = 0;
    for (const Run &run : runs)
        width += QFontMetricsF(run.font).horizontalAdvance(textOf(run, page, pageCount));
    return width;
}

// Neighbouring runs in the same font are drawn as one text.
void HeaderFooterBlock::drawPart(QPainter &painter, const QList<Run> &runs, double x, double baseline, int page,
                                 int pageCount)
{
    for (qsizetype i = 0; i < runs.size();) {
        const QFont &font = runs.at(i).font;
        QString text;
        for (; i < runs.size() && runs.at(i).font == font; ++i)
            text += textOf(runs.at(i), page, pageCount);
        PrintText::draw(painter, font, QPointF(x, baseline), text);
        x += QFontMetricsF(font).horizontalAdvance(text);
    }
}

void HeaderFooterBlock::draw(QPainter &painter, const QRectF &area, int page, int pageCount) const
{
    painter.save();
    painter.setPen(Qt::black);
    double top = area.top();
    for (const Line &line : m_lines) {
        const double baseline = top + line.ascent;
        drawPart(painter, line.parts[MarkupLeft], area.left(), baseline, page, pageCount);
        const double centre = widthOf(line.parts[MarkupCenter], page, pageCount);
        drawPart(painter, line.parts[MarkupCenter], area.center().x() - centre / 2, baseline, page, pageCount);
        const double right = widthOf(line.parts[MarkupRight], page, pageCount);
        drawPart(painter, line.parts[MarkupRight], area.right() - right, baseline, page, pageCount);
        top += line.height;
    }
    painter.restore();
}
