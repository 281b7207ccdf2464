#pragma once
#include <QString>
#include <functional>

// Every message box and question of the program passes through here, so that
// tests can record what was shown and script the answers.

enum class MsgButtons { Ok, YesNo };
enum class MsgIcon { None, Information, Question, Exclamation, Critical };

// Answers as the program compares them.
enum MsgAnswer { MsgOk = 1, MsgYes = 6, MsgNo = 7 };

struct MessageRequest {
    QString text;
    QString title;
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    MsgAnswer defaultAnswer = MsgOk;
};

class MessageBoxes {
public:
    using Handler = std::function<MsgAnswer(const MessageRequest &)>;

    // Shows the box (or hands it to the installed handler) and returns the answer.
    static MsgAnswer show(const MessageRequest &request);

    // The system beep of a refused key (a handler in tests).
    static void beep();

    // Replaces the real boxes; an empty handler restores them.
    static void setHandler(Handler handler);
    static void setBeepHandler(std::function<void()> handler);
};

// Shows the report of a routine that guards its own steps (ProcErrorText),
// titled with the program's name.
void ShowProcError(long number, const QString &description, const QString &procedure, const QString &owner);
