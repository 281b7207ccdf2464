#pragma once
#include "PrintSession.h"

#include <QString>

class SpreadGrid;

// The program's print front object: a screen hands over its grid and what to
// print around it; the stored settings of that screen are loaded, the page
// header and footer built, and the grid printed at once or shown in the
// preview, from which the user prints. Settings are stored per user under the
// application name + "_PritSetUp" and the screen's key. The front owns the
// session of its requests and hands it to every window it opens.
class cSpreadPreview {
public:
    cSpreadPreview() = default;
    // Closes and discards the print windows still open.
    ~cSpreadPreview();
    cSpreadPreview(const cSpreadPreview &) = delete;
    cSpreadPreview &operator=(const cSpreadPreview &) = delete;

    void SetAppName(const QString &sName);

    // Margins in inches; printOT 1 portrait, 2 landscape; sTitleFont the title
    // size in points; iPrintScalingMethod non-zero allows fit to page. True
    // when the grid was printed (at once, or from the preview).
    bool SpreadPreview(SpreadGrid &obj, const QString &sRegKey, const QString &sTitle, const QString &sHeadLeft,
                       const QString &sHeadCenter, long printOT, double fLeft, double fRight, double fTop,
                       double fBottom, bool bPrintFoot, int iPrintScalingMethod, const QString &sPrintFootText,
                       bool bSkipPreview, int sTitleFont);

    // The grid of the last request, its choices and the printer of the next print.
    PrintSession &session() { return m_session; }

private:
    PrintSession m_session;
};
