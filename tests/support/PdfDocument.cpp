#include "PdfDocument.h"

#include <QProcess>
#include <QRegularExpression>

namespace {
QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}
} // namespace

PdfDocument::PdfDocument(const QString &file) : m_file(file)
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
    return run(QStringLiteral("pdftotext"),
               {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"), QString::number(page),
                QStringLiteral("-layout"), m_file, QStringLiteral("-")});
}

QList<PdfWord> PdfDocument::words(int page) const
{
    const QString html = run(QStringLiteral("pdftotext"),
                             {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"), QString::number(page),
                              QStringLiteral("-bbox"), m_file, QStringLiteral("-")});
    static const QRegularExpression word(
        QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
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
