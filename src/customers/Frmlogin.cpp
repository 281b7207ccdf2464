#include "Frmlogin.h"

#include "EnterPressesButton.h"
#include "LoginStore.h"
#include "LoginValues.h"
#include "MessageBoxes.h"
#include "PasswordMask.h"
#include "ProgramExit.h"
#include "SettingsStore.h"
#include "ShellUtils.h"
#include "modMySQL_Func.h"

#include <QCheckBox>
#include <QDateTime>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

QString g_sOperID;
QString g_sOperName;
short g_nOperLevel = 0;
QString g_sLoginTime;

namespace {
const QString ConfigSection = QStringLiteral("Config");
const QString SavePasswordKey = QStringLiteral("issave_passwd");
const QString PasswordKey = QStringLiteral("passwd");

QLabel *buddyLabel(const QString &caption, QWidget *buddy)
{
    auto *label = new QLabel(caption);
    label->setBuddy(buddy);
    buddy->setAccessibleName(QString(caption).remove(QLatin1Char('&')).remove(QLatin1Char(':')));
    return label;
}
} // namespace

Frmlogin::Frmlogin(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Frmlogin"));
    setWindowTitle(QStringLiteral("Frmlogin"));
    buildControls();
    PressButtonsOnEnter(this);
    // Enter anywhere else in the dialog (the check box, say) logs in.
    cmdOK->setDefault(true);
    loadSettings();
}

void Frmlogin::buildControls()
{
    txtUserName = new QLineEdit(this);
    txtUserName->setObjectName(QStringLiteral("txtUserName"));
    // The admitted operator's ID is fixed but must stay readable.
    QPalette fixedId = txtUserName->palette();
    fixedId.setColor(QPalette::Disabled, QPalette::Text, fixedId.color(QPalette::Active, QPalette::Text));
    txtUserName->setPalette(fixedId);
    txtPassword = new QLineEdit(this);
    txtPassword->setObjectName(QStringLiteral("txtPassword"));
    ShowPasswordMask(txtPassword, QStringLiteral("*"));
    chkpwdSave = new QCheckBox(QStringLiteral("저장"), this);
    chkpwdSave->setObjectName(QStringLiteral("chkpwdSave"));
    cmdOK = new QPushButton(QStringLiteral("확인"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdCancel = new QPushButton(QStringLiteral("취소"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdOK->setAutoDefault(false);
    cmdCancel->setAutoDefault(false);

    auto *grid = new QGridLayout(this);
    grid->addWidget(buddyLabel(QStringLiteral("아이디(&U):"), txtUserName), 0, 0);
    grid->addWidget(txtUserName, 0, 1);
    grid->addWidget(buddyLabel(QStringLiteral("암호(&P):"), txtPassword), 1, 0);
    grid->addWidget(txtPassword, 1, 1);
    grid->addWidget(chkpwdSave, 1, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    grid->addLayout(buttons, 2, 0, 1, 3);

    connect(cmdOK, &QPushButton::clicked, this, &Frmlogin::logIn);
    connect(cmdCancel, &QPushButton::clicked, this, &Frmlogin::cancel);
    connect(chkpwdSave, &QCheckBox::clicked, this, &Frmlogin::onSaveToggled);
    connect(txtPassword, &QLineEdit::textChanged, this, [this] { m_passwordChanged = true; });
    txtPassword->installEventFilter(this);
}

void Frmlogin::loadSettings()
{
    txtPassword->setText(GetSetting(g_sAppTitle, ConfigSection, PasswordKey, txtPassword->text()));
    chkpwdSave->setChecked(GetSetting(g_sAppTitle, ConfigSection, SavePasswordKey, QStringLiteral("0")).toInt() == 1);
    m_passwordChanged = false;
    m_firstActivation = true;
}

void Frmlogin::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_firstActivation) {
        m_firstActivation = false;
        // Runs once the dialog is on screen, as its first activation.
        QTimer::singleShot(0, this, &Frmlogin::firstActivation);
    }
}

void Frmlogin::firstActivation()
{
    const QString operatorId = LoginStore::admittedOperatorId();
    if (operatorId.isEmpty()) {
        ShowMsg(QStringLiteral("허용되지 않은 컴퓨터입니다. 관리자에게 문의바랍니다."));
        ProgramExit::now(0);
        return;
    }
    txtUserName->setText(operatorId);
    txtUserName->setEnabled(false);
    if (!txtUserName->text().isEmpty() && !txtPassword->text().isEmpty())
        logIn();
}

bool Frmlogin::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtPassword) {
        if (event->type() == QEvent::FocusIn) {
            m_passwordChanged = false;
        } else if (event->type() == QEvent::FocusOut) {
            onPasswordLeft();
        } else if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                logIn();
                return true; // swallowed: no character, no beep
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void Frmlogin::logIn()
{
    const OperatorLookup found = LoginStore::findOperator(txtUserName->text(), txtPassword->text());
    if (found.outcome != OperatorLookup::Outcome::Found) {
        refuseLogin();
        return;
    }
    g_sOperID = txtUserName->text();
    g_sOperName = found.name;
    g_nOperLevel = found.level;
    g_sLoginTime = found.serverNow;
    if (!withinWorkingHours()) {
        ShowMsg(QStringLiteral("허용된 Quotadesk 작성시간은 08:00 ~ 19:00입니다.\r\n"));
        return;
    }
    LoginSucceeded = true;
    hide();
    done(QDialog::Accepted);
}

bool Frmlogin::withinWorkingHours() const
{
    if (g_nOperLevel == 0)
        return true;
    const QDateTime at = QDateTime::fromString(g_sLoginTime, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    const QString t = at.toString(QStringLiteral("HH:mm"));
    return !(t < QLatin1String("08:00") || t > QLatin1String("20:00"));
}

void Frmlogin::refuseLogin()
{
    MessageBoxes::show({QStringLiteral("개발자 및 퇴사자는 로그인 할 수 없습니다.\r\n\r\n"
                                       "혹은 암호가 잘못되었습니다. 다시 시도하십시오"),
                        QStringLiteral("로그인"), MsgButtons::Ok, MsgIcon::None, MsgOk});
    txtPassword->setFocus(Qt::OtherFocusReason);
    txtPassword->selectAll();
}

void Frmlogin::onSaveToggled()
{
    if (!isVisible())
        return;
    const bool save = chkpwdSave->isChecked();
    SaveSetting(g_sAppTitle, ConfigSection, SavePasswordKey, save ? QStringLiteral("1") : QStringLiteral("0"));
    SaveSetting(g_sAppTitle, ConfigSection, PasswordKey, save ? txtPassword->text() : QString());
}

void Frmlogin::onPasswordLeft()
{
    if (chkpwdSave->isChecked() && m_passwordChanged)
        SaveSetting(g_sAppTitle, ConfigSection, PasswordKey, txtPassword->text());
}

void Frmlogin::cancel()
{
    LoginSucceeded = false;
    reject();
}
