#include "ShellUtils.h"

#include "CaptionPanel.h"
#include "FileVersion.h"
#include "Launcher.h"
#include "MessageBoxes.h"
#include "ProgramFolder.h"

#include <QFile>
#include <QPointer>
#include <QVariant>
#include <QWidget>

QString g_sAppTitle;
QString g_sCompany;
bool g_bFormStyle = false;

namespace {

constexpr quint32 HouseBackColor = 12180665;
constexpr quint32 RequiredCaptionColor = 9844483;

enum class FloatMsgStatus { Untested, Present, Missing };
FloatMsgStatus floatMsgStatus = FloatMsgStatus::Untested;

QPointer<QWidget> mainWindow;

QString titleOrApp(const QString &title) { return title.isEmpty() ? g_sAppTitle : title; }

} // namespace

void ShowMsg(const QString &text, const QString &title)
{
    MessageBoxes::show({text, titleOrApp(title), MsgButtons::Ok, MsgIcon::Information, MsgOk});
}

int AskYesNo(const QString &text, const QString &title, bool yesIsDefault)
{
    return MessageBoxes::show(
        {text, titleOrApp(title), MsgButtons::YesNo, MsgIcon::Question, yesIsDefault ? MsgYes : MsgNo});
}

bool CheckRequired(QWidget *control, const QString &text, const QString &label, bool zeroIsEmpty)
{
    const bool empty = text.isEmpty() || (zeroIsEmpty && text == QLatin1String("0"));
    if (!empty)
        return false;
    if (!label.isEmpty())
        ShowMsg(QLatin1Char('[') + label + QStringLiteral("]은(는) 필수 입력 사항입니다."), QStringLiteral("필수입력"));
    else
        ShowMsg(QStringLiteral("필수 입력사항을 입력하지 않았습니다."), QStringLiteral("필수입력"));
    SafeSetFocus(control);
    return true;
}

void SafeSetFocus(QWidget *control)
{
    if (control && control->isVisible() && control->isEnabled())
        control->setFocus(Qt::OtherFocusReason);
}

void SetFormStyle(QWidget *window, bool takeIcon)
{
    if (takeIcon && mainWindow)
        window->setWindowIcon(mainWindow->windowIcon());
    if (!g_bFormStyle)
        return;
    for (CaptionPanel *panel : window->findChildren<CaptionPanel *>()) {
        if (panel->BackColor() != CaptionPanel::DesignBackColor)
            continue;
        panel->setBackColor(HouseBackColor);
        panel->setForeColor(panel->text().startsWith(QLatin1Char('*')) ? RequiredCaptionColor : 0);
    }
}

void ShowFloatMsg(const QString &text, int time, int, int)
{
    if (floatMsgStatus == FloatMsgStatus::Missing || text.trimmed().isEmpty())
        return; // an empty notice would be an empty box
    const QString program = ProgramFolder::file(ProgramFolder::programFileName(QStringLiteral("FloatMsg")));
    if (floatMsgStatus == FloatMsgStatus::Untested) {
        if (!QFile::exists(program)) {
            floatMsgStatus = FloatMsgStatus::Missing;
            MessageBoxes::show({program + QStringLiteral("\r\n플로팅 메시지박스 파일을 찾을 수 없습니다."), g_sAppTitle,
                                MsgButtons::Ok, MsgIcon::None, MsgOk});
            return;
        }
        floatMsgStatus = FloatMsgStatus::Present;
    }
    Launcher::start(program, text + QStringLiteral(" /T") + QString::number(time), ProgramFolder::path(),
                    WindowMode::MinimizedNoActivate);
}

void RunAndWait(const QString &file, QWidget *, const QString &parameters, const QString &folder, bool hidden,
                bool minimised)
{
    const WindowMode mode = hidden      ? WindowMode::Hidden
                            : minimised ? WindowMode::MinimizedNoActivate
                                        : WindowMode::Normal;
    Launcher::startAndWait(file, parameters, folder, mode);
}

QString GetFileVer(const QString &path, bool keepLast, bool quiet)
{
    QString error;
    const QString version = ReadFileVersion(path, &error);
    if (version.isNull()) {
        if (!quiet)
            ShowProcError(QFile::exists(path) ? 1813 : 53, error, QStringLiteral("GetFileVer"),
                          QStringLiteral("Module mdlFile"));
        return QString(QLatin1String(""));
    }
    const qsizetype dot = version.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return keepLast ? QString::number(version.toLongLong()) : QString(QLatin1String(""));
    if (!keepLast)
        return version.left(dot);
    return version.left(dot + 1) + QString::number(version.mid(dot + 1).toLongLong());
}

bool IsControlArray(const QWidget *control) { return control->property("Index").isValid(); }

void SetMainWindow(QWidget *window) { mainWindow = window; }

QWidget *MainWindow() { return mainWindow; }

void ResetFloatMsgStatus() { floatMsgStatus = FloatMsgStatus::Untested; }
