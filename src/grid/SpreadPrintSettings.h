#pragma once
#include "SpreadTypes.h"

#include <QString>

// The cells a cell-range print covers (PrintType 1).
struct SpreadCellRange {
    int col = 1;
    int row = 1;
    int col2 = 1;
    int row2 = 1;
};

// The grid's print properties. The grid only holds them; the print pipeline
// reads and writes them and renders the pages.
struct SpreadPrintSettings {
    int PrintMarginTop = 0;    // twips
    int PrintMarginBottom = 0; // twips
    int PrintMarginLeft = 0;   // twips
    int PrintMarginRight = 0;  // twips
    int PrintOrientation = PrintOrientationDefault;
    bool PrintColHeaders = true;
    bool PrintRowHeaders = true;
    bool PrintGrid = true;
    bool PrintBorder = true;
    bool PrintColor = false;
    bool PrintShadows = true;
    int PrintScalingMethod = 0;
    int PrintType = PrintTypeAll;
    int PrintPageStart = 1;
    int PrintPageEnd = 1;
    bool PrintUseDataMax = true;
    SpreadCellRange PrintRange;
    QString PrintHeader; // header mark-up
    QString PrintFooter; // footer mark-up
    QString PrintJobName;
    QString PrintAbortMsg;
};
