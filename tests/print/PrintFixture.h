#pragma once
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <memory>

class SpreadGrid;

// Grids to print and a reader of the PDF files they print into.
class PrintFixture {
public:
    // rows x cols, cell texts "R<row>C<col>", header texts "Head<col>".
    static std::unique_ptr<SpreadGrid> grid(int rows, int cols, double colWidth = 10);
    // Prints the next print into this PDF file.
    static void printTo(const QString &pdf);
};

struct PdfWord {
    QString text;
    double xMin, yMin, xMax, yMax; // points from the page's top left
};

class PdfDocument {
public:
    explicit PdfDocument(const QString &file);
    int pages() const { return m_pages; }
    QSizeF pageSize() const { return m_pageSize; }
    QString pageText(int page) const; // plain text of one page (1-based)
    QList<PdfWord> words(int page) const;
    // Text without blanks: the PDF writer leaves no glyph for a space, so the
    // reader may not see one between a label and the page number.
    static QString squeezed(QString text) { return text.remove(QLatin1Char(' ')); }
    // The first word on the page with this text; xMin < 0 when absent.
    PdfWord word(int page, const QString &text) const;

private:
    QString m_file;
    int m_pages = 0;
    QSizeF m_pageSize;
};
