#include "PrintFixture.h"

#include "SpreadGrid.h"
#include "SpreadPrintState.h"

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>

std::unique_ptr<SpreadGrid> PrintFixture::grid(int rows, int cols, double colWidth)
{
    auto grid = std::make_unique<SpreadGrid>();
    grid->SetMaxCols(cols);
    grid->SetMaxRows(rows);
    for (int col = 1; col <= cols; ++col) {
        grid->SetColWidth(col, colWidth);
        grid->SetText(col, 0, QStringLiteral("Head%1").arg(col));
        for (int row = 1; row <= rows; ++row)
            grid->SetText(col, row, QStringLiteral("R%1C%2").arg(row).arg(col));
    }
    return grid;
}

void PrintFixture::printTo(const QString &pdf)
{
    QPrinter &printer = SpreadPrintState::instance().printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
}

namespace {
QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}
} // namespace

PdfDocument::PdfDocument(const QString &file)
    : m_file(file)
{
    const QString info = run(QStringLiteral("pdfinfo"), {file});
    const auto pages = QRegularExpression(QStringLiteral(R"(Pages:\s+(\d+))")).match(info);
    m_pages = pages.hasMatch() ? pages.captured(1).toInt() : 0;
    const auto size = QRegularExpression(QStringLiteral(R"(Page size:\s+([\d.]+) x ([\d.]+))")).match(info);
    if (size.hasMatch())
        m_pageSize = QSizeF(size.captured(1).toDouble(), size.captured(2).toDouble());
}

QString PdfDocument::pageText(int page) const
{
    return run(QStringLiteral("pdftotext"), {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                              QString::number(page), QStringLiteral("-layout"), m_file,
                                              QStringLiteral("-")});
}

QList<PdfWord> PdfDocument::words(int page) const
{
    const QString html = run(QStringLiteral("pdftotext"),
                             {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"), QString::number(page),
                              QStringLiteral("-bbox"), m_file, QStringLiteral("-")});
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    QList<PdfWord> words;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto match = it.next();
        words << PdfWord{match.captured(5), match.captured(1).toDouble(), match.captured(2).toDouble(),
                         match.captured(3).toDouble(), match.captured(4).toDouble()};
    }
    return words;
}

PdfWord PdfDocument::word(int page, const QString &text) const
{
    for (const PdfWord &w : words(page)) {
        if (w.text == text)
            return w;
    }
    return PdfWord{text, -1, -1, -1, -1};
}
