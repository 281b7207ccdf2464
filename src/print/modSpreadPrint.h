#pragma once
#include <QString>

class PrintSession;
class SpreadGrid;

// The print module: loads a screen's stored print settings into its grid and
// builds the page header and footer mark-up; switches the preview's view.

// Sets the session's open preview's view for a zoom type (0 to 13); other
// values leave it.
void SetPreviewZoom(PrintSession &session, int zoomType);

void SetPrintOptions(PrintSession &session, SpreadGrid &grid, const QString &sTitle, const QString &sHeadLeft,
                     const QString &sHeadCenter, long printOT, double fLeft, double fRight, double fTop, double fBottom,
                     bool bPrintFoot, const QString &sPrintFootText, int sTitleFont);

// Applies one print option to the grid as it is stored (the footer option
// switches the session's footer as built for the request on and off).
void ApplyPrintOption(const PrintSession &session, SpreadGrid &grid, int option, bool on);
