#pragma once
#include <QList>
#include <QSizeF>
#include <QString>

struct PdfWord {
    QString text;
    double xMin, yMin, xMax, yMax; // points from the page's top left
};

// A PDF file read back with the poppler tools: pages, size, text and words.
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
