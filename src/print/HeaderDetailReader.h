#pragma once
#include "MarkupLine.h"

#include <QMap>
#include <QPair>
#include <array>

// Reads header or footer mark-up into the lines and cells of the header and
// footer editor. It knows fewer codes than the printed page does: a page count,
// a literal slash and text after the last code are dropped, a "/" splits the
// text, and a run of 100 characters without a code ends the reading. The
// current font and the ten stored fonts carry over from one reading to the next.
class HeaderDetailReader {
public:
    // Editor columns of the left, centre and right texts.
    enum Column { LeftColumn = 1, CenterColumn = 3, RightColumn = 5 };
    static constexpr int MaxRun = 100;

    struct Cell {
        bool hasFont = false; // the cell was given the current font
        MarkupFont font;
        bool hasText = false;
        QString text;
        bool pageNumber = false;
    };
    using CellKey = QPair<int, int>; // line (from 1), column

    struct Result {
        QMap<CellKey, Cell> cells;
        QString error; // "Error parsing FONT NAME" / "Error parsing FONT SIZE"
    };

    HeaderDetailReader();
    Result read(const QString &detailText);

private:
    qsizetype readCode(const QString &text, qsizetype i);
    qsizetype readFontCode(const QString &text, qsizetype i);
    qsizetype readQuotedValue(const QString &text, qsizetype i, QString *value) const;
    Cell &current();

    Result m_result;
    int m_line = 1;
    int m_column = LeftColumn;
    bool m_stop = false;
    MarkupFont m_font;
    std::array<MarkupFont, 10> m_stored;
};
