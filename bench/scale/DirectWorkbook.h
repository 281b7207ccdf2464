#pragma once
#include <QString>

#include <string>
#include <vector>

class SpreadGrid;

// The baseline of the grid export: a copy of the grid's cells (the column
// headers as the first row, then the data rows) with texts ready as UTF-8,
// written straight through libxlsxwriter in constant-memory mode with one
// format per look, as a hand-written exporter would.
class DirectWorkbook {
public:
    explicit DirectWorkbook(const SpreadGrid &grid);

    // Writes the workbook; false when libxlsxwriter reports an error.
    bool write(const QString &path) const;
    int rows() const { return m_rows; }

private:
    enum Look { Header, Text, BlueText, RedText, Number, BlueNumber, RedNumber, LookCount };
    struct Cell {
        std::string text;
        double number = 0;
        bool isNumber = false;
        Look look = Text;
    };

    std::vector<Cell> m_cells; // row by row
    std::vector<bool> m_hidden;
    int m_rows = 0;
    int m_cols = 0;
};
