#pragma once
#include <QString>

class QWidget;
class SpreadGrid;

// Window and grid layout files "FormIni/<window name><suffix>.ini" in the
// program folder. Window metrics are stored in twips.

// Applies the stored layout: position, and unless bPositionOnly size, state
// and the layout of every grid of the window.
void LoadFormIni(QWidget *form, bool bPositionOnly = false, const QString &sSuffix = QString());
// Applies one grid's stored column widths, font size and row height; nIndex is
// the grid's index in a control set, -1 when it has none.
void LoadSpreadIni(SpreadGrid *grid, const QString &sFile, int nIndex = -1);
// Stores state, and for a window that is not maximised, position and size.
void SaveFormIni(QWidget *form, const QString &sSuffix = QString());

// "<program folder>/FormIni/<window name><suffix>.ini"
QString FormIniPath(const QWidget *form, const QString &sSuffix = QString());
