#include "ModMain.h"

#include "AutoUpdate.h"
#include "DBErrorBox.h"
#include "InstanceLock.h"
#include "MessageBoxes.h"
#include "ProgramFolder.h"
#include "ShellUtils.h"
#include "WorkstationAdmission.h"
#include "modMySQL_Func.h"

#include <QApplication>
#include <QWidget>

#include <exception>

namespace {
StartupSteps steps;

// Held from the refusal test to the end of the run, so a second start is refused.
std::unique_ptr<InstanceLock> &instanceLock()
{
    static std::unique_ptr<InstanceLock> lock;
    return lock;
}
} // namespace

bool Main(const StartupSteps &startup)
{
    steps = startup;
    g_sAppTitle = QStringLiteral("Quotadesk");
    g_sCompany = QStringLiteral("TallowSoft");

    instanceLock() = std::make_unique<InstanceLock>(ProgramFolder::executableBaseName());
    if (!instanceLock()->acquired()) {
        instanceLock().reset();
        ShowMsg(QStringLiteral("이미 프로그램이 실행 중입니다."));
        return false;
    }

    RunAutoUpdate(false);

    if (!InitApp()) {
        ShowMsg(QStringLiteral("프로그램 초기화에 실패하여 종료합니다."));
        DestroyApp();
        return false;
    }
    g_bFormStyle = true;
    if (!steps.logIn || !steps.logIn()) {
        DestroyApp();
        return false;
    }
    steps.showMainWindow();
    return true;
}

bool InitApp()
{
    if (steps.createPrintObject)
        steps.createPrintObject();
    const QString host = GetDBHostName();
    ConnectionTls::configure(GetDBTlsSettings());
    return DBInit(host, DBAccount::User, DBAccount::Password, DBAccount::Database, QString(), true, ShowDBError);
}

void DestroyApp()
{
    try {
        if (steps.releasePrintObject)
            steps.releasePrintObject();
    } catch (const std::exception &e) {
        ShowProcError(0, QString::fromLocal8Bit(e.what()), QStringLiteral("DestroyApp"),
                      QStringLiteral("Module modMain"));
    }
    instanceLock().reset();
}

void UnloadAllForms(const QString &sFormName)
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->objectName().compare(sFormName, Qt::CaseInsensitive) != 0)
            window->close();
    }
}
