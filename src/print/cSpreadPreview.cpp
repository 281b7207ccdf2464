#include "cSpreadPreview.h"

#include "FrmSPPrint_Preview.h"
#include "MessageBoxes.h"
#include "PrintSettings.h"
#include "SessionPreview.h"
#include "SpreadGrid.h"
#include "modSpreadPrint.h"

cSpreadPreview::~cSpreadPreview()
{
    if (SessionPreview *preview = m_session.preview())
        preview->closePreview();
}

void cSpreadPreview::SetAppName(const QString &sName) { m_session.setAppName(sName); }

bool cSpreadPreview::SpreadPreview(SpreadGrid &obj, const QString &sRegKey, const QString &sTitle,
                                   const QString &sHeadLeft, const QString &sHeadCenter, long printOT, double fLeft,
                                   double fRight, double fTop, double fBottom, bool bPrintFoot, int iPrintScalingMethod,
                                   const QString &sPrintFootText, bool bSkipPreview, int sTitleFont)
{
    m_session.setGrid(&obj);
    m_session.setScalingAllowed(iPrintScalingMethod);
    obj.Print().PrintScalingMethod = iPrintScalingMethod;
    if (m_session.appName().isEmpty()) {
        MessageBoxes::show(MessageRequest{QStringLiteral("사용 프로그램이 설정되지 않았습니다."), QString(),
                                          MsgButtons::Ok, MsgIcon::None, MsgOk});
    }
    m_session.setSection(sRegKey);
    SetPrintOptions(m_session, obj, sTitle, sHeadLeft, sHeadCenter, printOT, fLeft, fRight, fTop, fBottom, bPrintFoot,
                    sPrintFootText, sTitleFont);
    m_session.setZoomType(m_session.settings().zoomType());

    if (bSkipPreview) {
        obj.Print().PrintType = PrintTypeAll;
        return m_session.printGrid();
    }
    FrmSPPrint_Preview preview(m_session, obj.window());
    preview.exec();
    return preview.m_bPrintedOK;
}
