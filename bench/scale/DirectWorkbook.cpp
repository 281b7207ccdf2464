#include "DirectWorkbook.h"

#include "SpreadGrid.h"

#include <xlsxwriter.h>

#include <QColor>

#include <array>

DirectWorkbook::DirectWorkbook(const SpreadGrid &grid) : m_rows(grid.DataRowCnt() + 1), m_cols(grid.MaxCols())
{
    m_cells.reserve(static_cast<size_t>(m_rows) * m_cols);
    for (int c = 1; c <= m_cols; ++c) {
        m_hidden.push_back(grid.ColHidden(c));
        m_cells.push_back({grid.text(c, 0).toStdString(), 0, false, Header});
    }
    for (int r = 1; r < m_rows; ++r)
        for (int c = 1; c <= m_cols; ++c) {
            Cell cell;
            const QString text = grid.text(c, r);
            cell.text = text.toStdString();
            cell.isNumber = grid.CellType(c, r) == CellTypeNumber && !text.isEmpty();
            cell.number = text.toDouble();
            const QColor colour = grid.ForeColor(c, r);
            const int shade = colour == QColor(0, 0, 255) ? 1 : colour == QColor(255, 0, 0) ? 2 : 0;
            cell.look = static_cast<Look>((cell.isNumber ? Number : Text) + shade);
            m_cells.push_back(std::move(cell));
        }
}

bool DirectWorkbook::write(const QString &path) const
{
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    lxw_workbook *book = workbook_new_opt(path.toUtf8().constData(), &options);
    if (!book)
        return false;
    lxw_worksheet *sheet = workbook_add_worksheet(book, "Sheet1");
    std::array<lxw_format *, LookCount> formats{};
    for (lxw_format *&f : formats) {
        f = workbook_add_format(book);
        format_set_unlocked(f);
    }
    format_set_bold(formats[Header]);
    format_set_align(formats[Header], LXW_ALIGN_CENTER);
    format_set_align(formats[Header], LXW_ALIGN_VERTICAL_CENTER);
    for (Look look : {BlueText, BlueNumber})
        format_set_font_color(formats[look], 0x0000ff);
    for (Look look : {RedText, RedNumber})
        format_set_font_color(formats[look], 0xff0000);
    for (Look look : {Number, BlueNumber, RedNumber})
        format_set_num_format(formats[look], "#,##0;[Red]-#,##0");
    for (int c = 0; c < m_cols; ++c) {
        lxw_row_col_options hidden{};
        hidden.hidden = m_hidden[c] ? 1 : 0;
        worksheet_set_column_opt(sheet, c, c, 10, nullptr, &hidden);
    }
    worksheet_protect(sheet, nullptr, nullptr);
    lxw_error error = LXW_NO_ERROR;
    for (int r = 0; r < m_rows && error == LXW_NO_ERROR; ++r)
        for (int c = 0; c < m_cols && error == LXW_NO_ERROR; ++c) {
            const Cell &cell = m_cells[static_cast<size_t>(r) * m_cols + c];
            lxw_format *format = formats[cell.look];
            if (cell.isNumber)
                error = worksheet_write_number(sheet, r, c, cell.number, format);
            else if (!cell.text.empty())
                error = worksheet_write_string(sheet, r, c, cell.text.c_str(), format);
            else
                error = worksheet_write_blank(sheet, r, c, format);
        }
    const lxw_error closed = workbook_close(book);
    return error == LXW_NO_ERROR && closed == LXW_NO_ERROR;
}
