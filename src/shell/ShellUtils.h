#pragma once
#include <QString>

class QWidget;

// The small routines every screen shares: messages, questions, required
// fields, safe focusing, the floating notice, starting a program and waiting,
// reading a program file's version, and control-array membership.

// Information box with an OK button; an empty title means the application title.
void ShowMsg(const QString &text, const QString &title = QString());
// Yes/No question; returns 6 (Yes) or 7 (No).
int AskYesNo(const QString &text, const QString &title = QString(), bool yesIsDefault = true);
// True when the field's text is empty (""; or "0" when zeroIsEmpty): then the
// operator is told, the field gets the focus, and the caller must not go on.
// The caller reads the text through the control's own type: the shell knows
// no input control.
bool CheckRequired(QWidget *control, const QString &text, const QString &label, bool zeroIsEmpty = false);
void SafeSetFocus(QWidget *control);
// The house look of a window: icon of the main window, colours of caption panels.
void SetFormStyle(QWidget *window, bool takeIcon);
// A short-lived notice shown by the notice program "FloatMsg" beside the program.
void ShowFloatMsg(const QString &text, int time, int = 0, int = 0);
void RunAndWait(const QString &file, QWidget *owner, const QString &parameters, const QString &folder, bool hidden,
                bool minimised);
// The file version ("1.00.0027") as "1.00.27" (keepLast) or "1.00"; "" on error.
QString GetFileVer(const QString &path, bool keepLast, bool quiet);
// True when the widget belongs to a control array (has an "Index" property).
bool IsControlArray(const QWidget *control);

// Program-wide values of the shell.
extern QString g_sAppTitle;
extern QString g_sCompany;
extern bool g_bFormStyle;

// The main window, whose icon every window takes; set by the program once it exists.
void SetMainWindow(QWidget *window);
QWidget *MainWindow();

// Resets the "notice program missing" memory (a fresh program run).
void ResetFloatMsgStatus();
