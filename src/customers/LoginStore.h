#pragma once
#include <QString>

// What the operator table says of an ID and password.
struct OperatorLookup {
    enum class Outcome {
        Found,
        NoMatch, // unknown, wrong password, hidden, or not a sales operator
        NotRead, // the statement failed; its error box has told the operator
    };
    Outcome outcome = Outcome::NotRead;
    QString name;
    short level = 0;
    QString serverNow; // the server's now() at the look-up, "yyyy-MM-dd HH:mm:ss"
};

// The look-ups of the login: which operator this workstation is admitted
// for, and whether an operator's ID and password let them in.
class LoginStore {
public:
    // The operator ID bound to this workstation, "" when it is not admitted
    // (or the admission list could not be read; its error box has said so).
    static QString admittedOperatorId();
    static OperatorLookup findOperator(const QString &id, const QString &password);
};
