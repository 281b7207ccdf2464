#include "XlsxSheetWriter.h"

#include "SpreadNumberFormat.h"
#include "XlsxColumnWidths.h"

#include <QFile>

#include <xlsxwriter.h>

#include <map>
#include <memory>
#include <tuple>

namespace {

constexpr int MaxStringChars = 32767; // longest text a worksheet cell holds
constexpr int MaxSheetRows = 1048576;
constexpr int MaxSheetCols = 16384;

// number (-1: none, else decimals * 4 + separators * 2 + negative red), bold,
// colour, alignments, locked
using FormatKey = std::tuple<int, bool, quint32, int, int, bool>;

int numberKey(const ExcelCell &cell)
{
    return cell.isNumber ? cell.decPlaces * 4 + (cell.showSep ? 2 : 0) + (cell.negRed ? 1 : 0) : -1;
}

// Formats are owned by the workbook; this keeps one per distinct look.
class FormatCache {
public:
    explicit FormatCache(lxw_workbook *book) : m_book(book) {}

    lxw_format *formatFor(const ExcelCell &cell, bool locked)
    {
        const FormatKey key{numberKey(cell), cell.bold, cell.color, cell.hAlign, cell.vAlign, locked};
        if (const auto it = m_formats.find(key); it != m_formats.end())
            return it->second;
        lxw_format *f = workbook_add_format(m_book);
        if (cell.isNumber)
            format_set_num_format(
                f, SpreadNumberFormat::formatCode(cell.decPlaces, cell.showSep, cell.negRed).toUtf8().constData());
        if (cell.bold)
            format_set_bold(f);
        if (cell.color != 0)
            format_set_font_color(f, cell.color);
        static const uint8_t h[] = {LXW_ALIGN_NONE, LXW_ALIGN_LEFT, LXW_ALIGN_CENTER, LXW_ALIGN_RIGHT};
        static const uint8_t v[] = {LXW_ALIGN_VERTICAL_BOTTOM, LXW_ALIGN_VERTICAL_TOP, LXW_ALIGN_VERTICAL_CENTER};
        if (cell.hAlign != ExcelCell::HAlignGeneral)
            format_set_align(f, h[cell.hAlign]);
        if (cell.vAlign != ExcelCell::VAlignBottom)
            format_set_align(f, v[cell.vAlign]);
        if (!locked)
            format_set_unlocked(f);
        m_formats.emplace(key, f);
        return f;
    }

private:
    lxw_workbook *m_book;
    std::map<FormatKey, lxw_format *> m_formats;
};

QString errorText(lxw_error error) { return QString::fromUtf8(lxw_strerror(error)); }

} // namespace

XlsxWriteResult XlsxSheetWriter::write(const ExcelSheetSource &source, const QString &path,
                                       const QString &sheetName) const
{
    const QString partial = path + QStringLiteral(".part");
    XlsxWriteResult result = writeWorkbook(source, partial, sheetName);
    if (result.ok && !QFile::rename(partial, path)) {
        result.ok = false;
        result.message = QStringLiteral("cannot name the workbook %1").arg(path);
    }
    if (!result.ok)
        QFile::remove(partial);
    return result;
}

XlsxWriteResult XlsxSheetWriter::writeWorkbook(const ExcelSheetSource &source, const QString &path,
                                               const QString &sheetName) const
{
    XlsxWriteResult result;
    result.rows = std::min(source.rowCount(), MaxSheetRows);
    result.cols = std::min(source.colCount(), MaxSheetCols);

    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    const QByteArray file = path.toUtf8();
    lxw_workbook *book = workbook_new_opt(file.constData(), &options);
    if (!book) {
        result.message = QStringLiteral("cannot create the workbook");
        return result;
    }
    const QByteArray name = sheetName.toUtf8();
    lxw_error nameError = workbook_validate_sheet_name(book, name.constData());
    lxw_worksheet *sheet = nameError == LXW_NO_ERROR ? workbook_add_worksheet(book, name.constData()) : nullptr;
    if (!sheet) {
        workbook_close(book);
        result.message = QStringLiteral("invalid sheet name \"%1\": %2").arg(sheetName, errorText(nameError));
        return result;
    }

    FormatCache formats(book);
    worksheet_protect(sheet, nullptr, nullptr);

    XlsxColumnWidths widths(result.cols);
    lxw_error error = LXW_NO_ERROR;
    for (int r = 0; r < result.rows && error == LXW_NO_ERROR; ++r) {
        for (int c = 0; c < result.cols && error == LXW_NO_ERROR; ++c) {
            const ExcelCell cell = source.cell(c, r);
            widths.add(c, cell);
            lxw_format *format = formats.formatFor(cell, cell.locked && !m_unlockAll);
            if (cell.isNumber)
                error = worksheet_write_number(sheet, static_cast<lxw_row_t>(r), static_cast<lxw_col_t>(c), cell.number,
                                               format);
            else if (!cell.text.isEmpty())
                error = worksheet_write_string(sheet, static_cast<lxw_row_t>(r), static_cast<lxw_col_t>(c),
                                               cell.text.left(MaxStringChars).toUtf8().constData(), format);
            else
                error = worksheet_write_blank(sheet, static_cast<lxw_row_t>(r), static_cast<lxw_col_t>(c), format);
        }
    }
    // The columns are written out on closing, so their widths can wait for the last row.
    for (int c = 0; c < result.cols; ++c) {
        lxw_row_col_options colOptions{};
        colOptions.hidden = source.colHidden(c) ? 1 : 0;
        worksheet_set_column_opt(sheet, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c),
                                 widths.width(c, source.colWidth(c)), nullptr, &colOptions);
    }
    const lxw_error closeError = workbook_close(book);
    if (error == LXW_NO_ERROR)
        error = closeError;
    result.ok = error == LXW_NO_ERROR;
    if (!result.ok)
        result.message = errorText(error);
    return result;
}
