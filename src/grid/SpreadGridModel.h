#pragma once
#include "CellStyleCascade.h"
#include "SpreadCellLook.h"
#include "SpreadCellStyle.h"
#include "SpreadTypes.h"
#include "TextColumn.h"

#include <QAbstractTableModel>
#include <QFont>

#include <functional>
#include <map>
#include <vector>

// The cells of a SpreadGrid. Model row r-1 is grid row r, model column c-1 is
// grid column c; header rows and row headers go through headerData.
//
// Texts are kept column-wise (one sequence of strings per column); attributes
// in a CellStyleCascade, which the model keeps in step with its rows and columns.
//
// While signals are suspended (ReDraw off) the model sits inside a model
// reset and reports nothing; resuming ends the reset.
class SpreadGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // Extra item roles.
    enum Role { CellTypeRole = Qt::UserRole + 1, ButtonTextRole, LockedRole, RawTextRole };

    explicit SpreadGridModel(QObject *parent = nullptr);

    // QAbstractItemModel
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // Size
    int maxRows() const { return m_maxRows; }
    int maxCols() const { return m_maxCols; }
    void setMaxRows(int rows);
    // Adds count rows at the end and has write(firstRow) fill them quietly:
    // the view hears of them once, as inserted rows, when they are written.
    void appendRows(int count, const std::function<void(int firstRow)> &write);
    void setMaxCols(int cols);
    int colHeaderRows() const { return static_cast<int>(m_headerText.size()); }
    void setColHeaderRows(int rows);
    int dataRowCnt() const;

    // Inserting shifts rows down and the last rows fall off (the row count
    // stays); deleting shifts them up and leaves empty rows at the bottom.
    void shiftRowsDown(int row, int count);
    void shiftRowsUp(int row, int count);
    void insertCols(int col, int count);
    void deleteCols(int col, int count);

    // Texts. Rows <= 0 are header rows (0 or HeaderRowBase + k), column 0 the row headers.
    QString text(int col, int row) const;
    bool hasText(int col, int row) const;
    void setText(int col, int row, QString value);
    void setText(int col, int row, QStringView value);
    void clearRange(int col, int row, int col2, int row2);

    // Attributes, written with the Col/Row addressing of the grid (AllCells = -1).
    void setStyle(int col, int row, SpreadCellStyle::Field field, const SpreadCellStyle &value);
    SpreadCellStyle effectiveStyle(int col, int row) const;
    SpreadCellStyle columnStyle(int col) const { return m_styles.columnStyle(col); }
    SpreadCellLook look(int col, int row) const;
    QString displayText(int col, int row) const;

    // Odd/even row colours; invalid colours switch them off.
    void setOddEvenRowColor(QRgb oddBack, QRgb oddFore, QRgb evenBack, QRgb evenFore);
    void setBaseFont(const QFont &font);
    QFont baseFont() const { return m_baseFont; }
    void setHeaderColors(QRgb back, QRgb fore);
    QRgb headerBackColor() const { return m_headerBack; }
    QRgb headerForeColor() const { return m_headerFore; }

    // Columns and rows
    double colWidth(int col) const;
    void setColWidth(int col, double width);
    // A width the operator chose (from the layout file): never widened to fit.
    void setStoredColWidth(int col, double width);
    bool colWidthStored(int col) const;
    // The longest text put into a data cell of the column since the grid was
    // last emptied: the widest figure of a number column, found without
    // measuring every cell.
    QString widestText(int col) const;
    bool colHidden(int col) const;
    void setColHidden(int col, bool hidden);
    QString colId(int col) const;
    void setColId(int col, const QString &id);
    int colNumberOfId(const QString &id) const; // 0 when no column has it
    SpreadMerge colMerge(int col) const;
    void setColMerge(int col, SpreadMerge merge);
    double rowHeight(int row) const;           // row -1: the default height
    void setRowHeight(int row, double height); // row -1: every data row
    const std::map<int, double> &rowHeights() const { return m_rowHeights; }

    // The first and last row of the merged range holding (col,row); a single
    // row when the cell is not merged.
    std::pair<int, int> mergedRows(int col, int row) const;

    void sortRows(int col, bool ascending);

    void suspendSignals();
    void resumeSignals();
    bool signalsSuspended() const { return m_suspended; }

private:
    struct ColumnInfo {
        double width = 8.43;
        bool hidden = false;
        SpreadMerge merge = MergeNone;
        QString id;
        bool widthStored = false;
        QString widest;
    };
    void noteText(int col, QStringView value);
    void resizeRows(int rows);
    static int headerIndex(int row);          // 0-based header row of a header row address
    int styleRowKey(int row) const;           // data rows as is, header row k as -k
    QString &headerTextRef(int col, int row); // row headers and column headers
    TextColumn blankColumn() const;
    void notifyCell(int col, int row);
    void notifyAll();
    SpreadCellStyle resolve(int col, int row) const;
    void shiftColVectors(int col, int count, bool insert);
    bool sameMergeText(int col, int rowA, int rowB) const;

    int m_maxRows = 0;
    int m_maxCols = 0;
    std::vector<TextColumn> m_text;                 // [col-1], row-1 within
    std::vector<std::vector<QString>> m_headerText; // [header row][col], col 0 = corner
    std::map<int, QString> m_rowHeaderText;         // data row -> text

    CellStyleCascade m_styles; // rows by style row key

    std::vector<ColumnInfo> m_cols;     // [col], col 0 = row headers
    std::map<int, double> m_rowHeights; // style row key -> height
    double m_defaultRowHeight = 12.75;

    bool m_oddEven = false;
    QRgb m_oddBack = 0xffffffff, m_oddFore = 0xff000000;
    QRgb m_evenBack = 0xffffffff, m_evenFore = 0xff000000;
    QRgb m_headerBack = 0xfff0f0f0, m_headerFore = 0xff000000;
    QFont m_baseFont;
    bool m_suspended = false;
};
