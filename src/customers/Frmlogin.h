#pragma once
#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

// The login dialog: admits this workstation, then one operator of it, within
// the working hours.
class Frmlogin : public QDialog {
    Q_OBJECT
public:
    explicit Frmlogin(QWidget *parent = nullptr);

    bool LoginSucceeded = false;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void loadSettings();
    void firstActivation();
    void logIn();
    bool withinWorkingHours() const;
    void refuseLogin();
    void onSaveToggled();
    void onPasswordLeft();
    void cancel();

    // The window's controls, each named by its control name.
    QLineEdit *txtUserName = nullptr;
    QLineEdit *txtPassword = nullptr;
    QCheckBox *chkpwdSave = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;

    bool m_firstActivation = true;
    bool m_passwordChanged = false;
};
