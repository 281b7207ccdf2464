#pragma once
#include "MarkupLine.h"

// Reads the header and footer mark-up that the sheet prints on every page:
//   /n new line            /l /c /r  left, centre, right part of the line
//   /p page number         /pc page count            // a slash
//   /fn"name" /fz"size"    /fb /fi /fu /fk + 0|1  bold, italic, underline, strikethrough
//   /fs + digit  store the current font in that slot    /f + digit  use a stored font
// Unknown codes are skipped; an unterminated quote takes the rest of the text.
// A final "/n" ends the last line without starting another.
class HeaderMarkup {
public:
    static QList<MarkupLine> parse(const QString &markup, const MarkupFont &defaultFont);

private:
    explicit HeaderMarkup(const MarkupFont &defaultFont);
    void read(const QString &markup);
    qsizetype readCode(const QString &markup, qsizetype at);
    qsizetype readFontCode(const QString &markup, qsizetype at);
    static qsizetype readQuoted(const QString &markup, qsizetype at, QString *value);
    void addRun(MarkupRunKind kind, const QString &text = QString());
    void endLine();

    QList<MarkupLine> m_lines;
    MarkupLine m_line;
    MarkupPosition m_position = MarkupLeft;
    MarkupFont m_font;
    std::array<MarkupFont, 10> m_stored;
    bool m_lineOpen = false;
};
