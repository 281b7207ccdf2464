#include "ProgramStartup.h"

#include "FrmMain.h"
#include "Frmlogin.h"
#include "GridStyle.h"
#include "PrintFront.h"
#include "ShellUtils.h"
#include "TopUpRequests.h"
#include "cSpreadPreview.h"

StartupSteps QuotadeskStartup()
{
    StartupSteps steps;
    steps.createPrintObject = [] {
        g_SpreadPreview = std::make_unique<cSpreadPreview>();
        g_SpreadPreview->SetAppName(g_sAppTitle);
        GridStyle::setMessageTitle(g_sAppTitle);
    };
    steps.releasePrintObject = [] { g_SpreadPreview.reset(); };
    steps.logIn = [] {
        GridStyle::setHouseStyle(g_bFormStyle);
        Frmlogin login;
        login.exec();
        return login.LoginSucceeded;
    };
    steps.showMainWindow = [] {
        TopUpRequests::checkInstalled();
        FrmMain::setOnUnload([] {
            UnloadAllForms(QStringLiteral("FrmMain"));
            DestroyApp();
        });
        (new FrmMain)->show();
    };
    return steps;
}
