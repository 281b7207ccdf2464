#pragma once
#include <QString>

// One cell as it goes into a workbook.
struct ExcelCell {
    enum HAlign { HAlignGeneral, HAlignLeft, HAlignCenter, HAlignRight };
    enum VAlign { VAlignBottom, VAlignTop, VAlignCenter };

    QString text; // written when the cell is not a number
    bool isNumber = false;
    double number = 0;
    int decPlaces = 0;    // number format: decimals,
    bool showSep = false; // thousands separators,
    bool negRed = false;  // negatives in red
    bool bold = false;
    quint32 color = 0; // 0xRRGGBB
    HAlign hAlign = HAlignGeneral;
    VAlign vAlign = VAlignBottom;
    bool locked = true;
};
