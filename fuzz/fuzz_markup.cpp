// Header and footer mark-up: the reader of the printed page, the reader of the
// header and footer editor, and drawing the laid-out block into an image.
#include "FuzzApp.h"
#include "HeaderDetailReader.h"
#include "HeaderFooterBlock.h"
#include "HeaderMarkup.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    ensureFuzzApp<QGuiApplication>();
    const QString markup = QString::fromUtf8(fuzzBytes(data, size));

    const QList<MarkupLine> lines = HeaderMarkup::parse(markup, HeaderFooterBlock::defaultFont());
    HeaderDetailReader reader;
    const HeaderDetailReader::Result detail = reader.read(markup);
    for (auto it = detail.cells.cbegin(); it != detail.cells.cend(); ++it) {
        const int column = it.key().second;
        fuzzCheck(it.key().first >= 1, "editor line from 1", markup);
        fuzzCheck(column == HeaderDetailReader::LeftColumn || column == HeaderDetailReader::CenterColumn
                      || column == HeaderDetailReader::RightColumn,
                  "editor column", markup);
    }

    const HeaderFooterBlock block(markup);
    fuzzCheck(block.lineCount() == lines.size(), "block lines = parsed lines", markup);
    fuzzCheck(block.height() >= 0, "block height", markup);
    QImage image(400, 120, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(1.0 / 15, 1.0 / 15); // twips to pixels at 96 dpi
    block.draw(painter, QRectF(0, 0, 6000, 1800), 3, 12);
    return 0;
}
