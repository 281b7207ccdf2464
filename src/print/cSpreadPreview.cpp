#include "cSpreadPreview.h"

#include "FrmSPPrint_Preview.h"
#include "MessageBoxes.h"
#include "PrintSettings.h"
#include "SpreadGrid.h"
#include "SpreadPrintState.h"
#include "modSpreadPrint.h"

cSpreadPreview::~cSpreadPreview()
{
    if (FrmSPPrint_Preview *preview = SpreadPrintState::instance().preview())
        preview->reject();
}

void cSpreadPreview::SetAppName(const QString &sName)
{
    SpreadPrintState::instance().setAppName(sName);
}

bool cSpreadPreview::SpreadPreview(SpreadGrid &obj, const QString &sRegKey, const QString &sTitle,
                                   const QString &sHeadLeft, const QString &sHeadCenter, long printOT, double fLeft,
                                   double fRight, double fTop, double fBottom, bool bPrintFoot,
                                   int iPrintScalingMethod, const QString &sPrintFootText, bool bSkipPreview,
                                   int sTitleFont)
{
    SpreadPrintState &state = SpreadPrintState::instance();
    state.setGrid(&obj);
    state.setScalingAllowed(iPrintScalingMethod);
    obj.Print().PrintScalingMethod = iPrintScalingMethod;
    if (state.appName().isEmpty()) {
        MessageBoxes::show(MessageRequest{QStringLiteral("사용 프로그램이 설정되지 않았습니다."), QString(),
                                          MsgButtons::Ok, MsgIcon::None, MsgOk});
    }
    state.setSection(sRegKey);
    SetPrintOptions(obj, sTitle, sHeadLeft, sHeadCenter, printOT, fLeft, fRight, fTop, fBottom, bPrintFoot,
                    sPrintFootText, sTitleFont);
    state.setZoomType(state.settings().zoomType());

    if (bSkipPreview) {
        obj.Print().PrintType = PrintTypeAll;
        return state.printGrid();
    }
    FrmSPPrint_Preview preview(obj.window());
    preview.exec();
    return preview.m_bPrintedOK;
}
