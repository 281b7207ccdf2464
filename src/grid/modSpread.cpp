#include "modSpread.h"

#include "GridStyle.h"
#include "ProcSteps.h"
#include "SpreadGrid.h"

namespace {

// Colours as the program writes them: 24-bit numbers with red in the low byte.
QColor oleColor(quint32 value) { return QColor(value & 0xff, (value >> 8) & 0xff, (value >> 16) & 0xff); }

constexpr quint32 HouseShadowColor = 16048844; // red 204, green 226, blue 244
constexpr quint32 SelectionColor = 12254974;   // red 254, green 254, blue 186
constexpr double NumberLimit = 999999999999.0;

} // namespace

void CommonSpreadDesign(SpreadGrid &grid, bool bReadOnly, bool bClearRows, bool bColAction, bool bRowMode,
                        bool bOddEvenColor)
{
    ProcSteps steps(QStringLiteral("CommonSpreadDesign"), QStringLiteral("Module MduSpread"));
    if (bReadOnly) {
        if (bRowMode)
            steps.run([&] { grid.SetOperationMode(OperationModeSingleSelect); });
        steps.run([&] { grid.SetCursorStyle(2); });
        steps.run([&] { grid.SetSelectBlockOptions(0); });
        steps.run([&] {
            grid.SetCol(AllCells);
            grid.SetRow(AllCells);
        });
        steps.run([&] { grid.SetLock(true); });
    } else {
        steps.run([&] { grid.SetEditModePermanent(true); });
        steps.run([&] { grid.SetEditModeReplace(true); });
    }
    steps.run([&] { grid.SetNoBeep(true); });
    if (bColAction)
        steps.run([&] { grid.SetUserColAction(UserColActionSort); });
    if (GridStyle::houseStyle()) {
        steps.run([&] { grid.SetShadowColor(oleColor(HouseShadowColor)); });
        steps.run([&] { grid.SetShadowText(oleColor(0)); });
    }
    steps.run([&] { grid.SetSelBackColor(oleColor(SelectionColor)); });
    steps.run([&] { grid.SetTextTip(1); });
    if (bClearRows)
        steps.run([&] { grid.SetMaxRows(0); });
    if (bOddEvenColor)
        steps.run([&] { grid.SetOddEvenRowColor(QColor(255, 255, 255), Qt::black, QColor(243, 249, 251), Qt::black); });
    for (int action = ActionKeyClear; action <= ActionKeyPopup; ++action)
        steps.run([&] { grid.SetActionKey(action, false, false, 0); });
    if (bClearRows)
        steps.run([&] {
            if (grid.RowHeadersShow())
                grid.SetText(0, 0, QStringLiteral("No"));
        });
}

void SetNumberColumn(SpreadGrid &grid, int nCol, int nDecPlaces, bool bVCenter, int nRow, bool bNegRed, bool bHCenter)
{
    grid.SetCol(nCol);
    grid.SetRow(nRow);
    grid.SetCellType(CellTypeNumber);
    grid.SetTypeNumberDecPlaces(nDecPlaces);
    grid.SetTypeNumberShowSep(true);
    grid.SetTypeNumberMax(NumberLimit);
    grid.SetTypeNumberMin(-NumberLimit);
    if (bVCenter)
        grid.SetTypeVAlign(TypeVAlignCenter);
    if (bHCenter)
        grid.SetTypeHAlign(TypeHAlignCenter);
    if (bNegRed)
        grid.SetTypeNegRed(true);
}
