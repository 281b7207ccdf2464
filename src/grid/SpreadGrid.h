#pragma once
#include "GridSelection.h"
#include "SpreadCellLook.h"
#include "SpreadCellStyle.h"
#include "SpreadPrintSettings.h"
#include "SpreadTypes.h"

#include <QColor>
#include <QFont>
#include <QWidget>

#include <functional>

class QTableView;
class SpreadGridModel;
class SpreadGridView;

// The spreadsheet grid that shows every list. Rows and columns count from 1;
// row 0 holds the column headers (further header rows are HeaderRowBase + 1,
// ...), column 0 the row headers; AllCells (-1) as row or column means all of
// them.
//
// Cell properties follow the grid's addressing: set Col and Row, then write
// ForeColor, FontBold, CellType, Lock, ... and the write goes to that cell,
// that column (Row -1), that row (Col -1) or every data cell (both -1). The
// getters without arguments read the addressed cell; the ones with (col, row)
// read any cell.
//
// Row/Col (the addressed cell) and ActiveRow/ActiveCol (the cursor) are
// separate.
class SpreadGrid : public QWidget {
    Q_OBJECT
public:
    explicit SpreadGrid(QWidget *parent = nullptr);
    ~SpreadGrid() override;

    // --- Size and cells ---
    int MaxRows() const;
    void SetMaxRows(int rows);
    // Adds count rows at the end and has write(firstRow) fill them (SetText,
    // colours): the view hears of the rows once, and figure columns widen to
    // their widest figure after each lot, as after a fill.
    void AppendRows(int count, const std::function<void(int firstRow)> &write);
    // 0 empties the grid
    int MaxCols() const;
    void SetMaxCols(int cols);
    int DataRowCnt() const; // last row holding text, 0 when none
    int ColHeaderRows() const;
    void SetColHeaderRows(int rows);

    int Row() const { return m_row; }
    void SetRow(int row) { m_row = row; }
    int Col() const { return m_col; }
    void SetCol(int col) { m_col = col; }

    void SetText(int col, int row, QString value);
    // The same for a text that is only borrowed, such as a row set's field:
    // while painting is off it is copied straight into the grid's store.
    void SetText(int col, int row, QStringView value);
    bool GetText(int col, int row, QString &value) const; // true when the cell has text
    QString text(int col, int row) const;                 // stored text, "" when none
    // The text as the grid shows it: numbers formatted, row numbers in column 0.
    QString displayText(int col, int row) const;
    SpreadCellLook cellLook(int col, int row) const;

    // Rows shift down from row and the last rows fall off: grow MaxRows first
    // to keep them. DeleteRows shifts up and leaves empty rows at the bottom.
    void InsertRows(int row, int count);
    void DeleteRows(int row, int count);
    // The same for columns: the column count stays. The selection and the
    // active cell move with the columns.
    void InsertCols(int col, int count);
    void DeleteCols(int col, int count);
    // Empties the texts of a block (AllCells as col2/row2: to the last one).
    void ClearRange(int col, int row, int col2, int row2);

    // --- Cursor ---
    int ActiveRow() const;
    int ActiveCol() const;
    void SetActiveCell(int col, int row);
    // The block the user has selected (the active cell when nothing more).
    SpreadCellRange SelectedBlock() const;

    // --- Look of the addressed cells ---
    QColor ForeColor() const { return ForeColor(m_col, m_row); }
    QColor ForeColor(int col, int row) const;
    void SetForeColor(const QColor &color);
    QColor BackColor(int col, int row) const;
    void SetBackColor(const QColor &color);
    bool FontBold() const { return FontBold(m_col, m_row); }
    bool FontBold(int col, int row) const;
    void SetFontBold(bool bold);
    double FontSize() const { return FontSize(m_col, m_row); }
    double FontSize(int col, int row) const;
    void SetFontSize(double points);
    QString FontName(int col, int row) const;
    void SetFontName(const QString &name);
    bool FontItalic(int col, int row) const;
    void SetFontItalic(bool on);
    bool FontUnderline(int col, int row) const;
    void SetFontUnderline(bool on);
    bool FontStrikethru(int col, int row) const;
    void SetFontStrikethru(bool on);
    QFont CellFont(int col, int row) const;
    void SetCellFont(const QFont &font); // name, size, bold, italic, underline, strikethrough

    // --- Cell types of the addressed cells ---
    SpreadCellType CellType() const { return CellType(m_col, m_row); }
    SpreadCellType CellType(int col, int row) const;
    void SetCellType(SpreadCellType type);
    void SetTypeNumberDecPlaces(int places);
    void SetTypeNumberShowSep(bool on);
    void SetTypeNumberMin(double value);
    void SetTypeNumberMax(double value);
    void SetTypeHAlign(SpreadHAlign align);
    void SetTypeVAlign(SpreadVAlign align);
    void SetTypeNegRed(bool on);
    QString TypeButtonText(int col, int row) const;
    void SetTypeButtonText(const QString &caption); // default "..."
    bool Lock() const { return Lock(m_col, m_row); }
    bool Lock(int col, int row) const;
    void SetLock(bool locked);

    // --- Rows and columns ---
    double RowHeight(int row) const;           // in points; row 0 the header row
    void SetRowHeight(int row, double points); // -1: every data row
    double ColWidth(int col) const;            // in characters; col 0 the row headers
    int ColWidthPixels(int col) const;         // the same on screen
    void SetColWidth(int col, double chars);
    // A width the operator chose, read from the layout file: kept as it is.
    // Any other number column widens to its widest figure once painting is on.
    void SetStoredColWidth(int col, double chars);
    // Widens the column so that its header and longestText show in full in
    // the fonts of the column's header and cells.
    void FitColWidth(int col, const QString &longestText);
    // Pixels the column needs to show text in full in the cell's font.
    int TextWidthNeeded(int col, int row, const QString &value) const;
    // The last visible column takes the width the others leave.
    void SetStretchLastCol(bool on);
    // Pixels the grid needs to show every visible column at its width
    // (row headers, frame and a vertical scroll bar included).
    int WidthForAllCols() const;
    bool ColHidden(int col) const;
    void SetColHidden(int col, bool hidden);
    QString ColID(int col) const;
    void SetColID(int col, const QString &id);
    SpreadMerge ColMerge(int col) const;
    void SetColMerge(int col, SpreadMerge merge);
    // First and last row of the merged block holding (col, row); (row, row) when not merged.
    std::pair<int, int> mergedRange(int col, int row) const;
    bool RowHeadersShow() const { return m_rowHeadersShow; }
    void SetRowHeadersShow(bool show);
    bool ColHeadersShow() const { return m_colHeadersShow; }
    void SetColHeadersShow(bool show);

    // --- Appearance ---
    QColor SelBackColor() const { return m_selBackColor; }
    void SetSelBackColor(const QColor &color);
    QColor ShadowColor() const;
    void SetShadowColor(const QColor &color);
    QColor ShadowText() const;
    void SetShadowText(const QColor &color);
    void SetOddEvenRowColor(const QColor &oddBack, const QColor &oddFore, const QColor &evenBack,
                            const QColor &evenFore);
    int TextTip() const { return m_textTip; }
    void SetTextTip(int mode) { m_textTip = mode; } // non-zero: tip with the full text of a cut cell
    int CursorStyle() const { return m_cursorStyle; }
    void SetCursorStyle(int style); // 2: arrow pointer over the cells
    bool ReDraw() const { return m_reDraw; }
    // false suspends painting and model signals; the selection is held
    // meanwhile and selected again when painting resumes.
    void SetReDraw(bool on);

    // --- Behaviour ---
    int OperationMode() const { return m_operationMode; }
    void SetOperationMode(int mode);
    bool EditModePermanent() const { return m_editModePermanent; }
    void SetEditModePermanent(bool on);
    bool EditModeReplace() const { return m_editModeReplace; }
    void SetEditModeReplace(bool on) { m_editModeReplace = on; }
    int SelectBlockOptions() const { return m_selectBlockOptions; }
    void SetSelectBlockOptions(int options);
    bool NoBeep() const { return m_noBeep; }
    void SetNoBeep(bool on) { m_noBeep = on; }
    int UserColAction() const { return m_userColAction; }
    void SetUserColAction(int action);
    // Gives action (SpreadActionKey) the key; key 0 switches the action off.
    void SetActionKey(int action, bool shift, bool ctrl, int key);
    int ActionKey(int action) const;

    // --- Printing: values only; the print pipeline renders ---
    SpreadPrintSettings &Print() { return m_print; }
    const SpreadPrintSettings &Print() const { return m_print; }

    QTableView *view() const;
    // Names the grid and the table inside it for assistive tools.
    void setGridName(const QString &name);
    SpreadGridModel *model() const { return m_model; }

signals:
    void DblClick(int col, int row);
    void ButtonClicked(int col, int row);
    void RightClick(int col, int row);
    void EditModeOn(int col, int row);
    void ActiveCellChanged(int col, int row);

private:
    friend class SpreadGridView;
    void applyViewMetrics();
    void fitFigureCol(int col);
    void applyColumn(int col);
    void applyRowHeights();
    void applyHeaderStyle();
    void applySelectionColors();
    void applyMerges();
    void restoreCurrentIndex();
    void onCurrentChanged();
    void setStyleField(SpreadCellStyle::Field field, const SpreadCellStyle &value);
    bool beepAllowed() const { return !m_noBeep; }
    int pixelsForRowHeight(double points) const;
    int pixelsForColWidth(double chars) const;
    double colWidthForPixels(int pixels) const;

    SpreadGridModel *m_model = nullptr;
    SpreadGridView *m_view = nullptr;
    SpreadPrintSettings m_print;
    int m_row = 1;
    int m_col = 1;
    int m_activeRow = 1;
    int m_activeCol = 1;
    bool m_rowHeadersShow = true;
    bool m_colHeadersShow = true;
    QColor m_selBackColor;
    int m_textTip = 0;
    int m_cursorStyle = 0;
    bool m_reDraw = true;
    GridSelection m_heldSelection; // while painting is off
    int m_operationMode = OperationModeNormal;
    bool m_editModePermanent = false;
    bool m_editModeReplace = false;
    int m_selectBlockOptions = 15;
    bool m_noBeep = false;
    int m_userColAction = UserColActionDefault;
    int m_actionKeys[3] = {Qt::Key_F2, Qt::Key_F3, Qt::Key_F4};
    double m_headerRowHeight = 0; // 0: follows the font
    bool m_hasMerges = false;
    int m_sortSection = -1;
    bool m_sortAscending = true;
};
