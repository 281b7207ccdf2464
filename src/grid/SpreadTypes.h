#pragma once

// Values of the grid's enumerated properties, numbered as the screens write them.

// CellType
enum SpreadCellType : int {
    CellTypeEdit = 1,
    CellTypeStaticText = 5,
    CellTypeButton = 7,
    CellTypeNumber = 13,
};

// TypeHAlign
enum SpreadHAlign : int { TypeHAlignLeft = 0, TypeHAlignRight = 1, TypeHAlignCenter = 2 };
// TypeVAlign
enum SpreadVAlign : int { TypeVAlignTop = 0, TypeVAlignBottom = 1, TypeVAlignCenter = 2 };

// Row merging of a column: equal neighbouring texts of the column show as one cell.
enum SpreadMerge : int {
    MergeNone = 0,
    MergeAlways = 1,
    MergeRestricted = 2, // only inside the merged ranges of the column to the left
};

// OperationMode
enum SpreadOperationMode : int {
    OperationModeNormal = 0,
    OperationModeReadOnly = 1,
    OperationModeRowMode = 2,
    OperationModeSingleSelect = 3, // whole-row selection, read-only
    OperationModeMultiSelect = 4,
    OperationModeExtendedSelect = 5,
};

// SetActionKey actions and their default keys: F2 clears and edits, F3 edits
// the current cell, F4 opens a cell's pop-up.
enum SpreadActionKey : int { ActionKeyClear = 0, ActionKeyCurrent = 1, ActionKeyPopup = 2 };

// UserColAction: what a click on a column header does.
enum SpreadUserColAction : int { UserColActionDefault = 0, UserColActionSort = 1 };

// PrintType
enum SpreadPrintType : int {
    PrintTypeAll = 0,
    PrintTypeCellRange = 1,
    PrintTypeCurrentPage = 2,
    PrintTypePageRange = 3,
};

// PrintOrientation
enum SpreadPrintOrientation : int {
    PrintOrientationDefault = 0,
    PrintOrientationPortrait = 1,
    PrintOrientationLandscape = 2,
};

// Row numbers of the column-header rows: row 0 is the first header row and is
// also addressed as HeaderRowBase; the second one is HeaderRowBase + 1, ...
constexpr int HeaderRowBase = -1000;
// "All rows" / "all columns" in Row, Col and the addressed properties.
constexpr int AllCells = -1;
// Active column or row in GetCellText.
constexpr int ActiveCellIndex = -2;
