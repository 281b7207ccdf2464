#pragma once
#include <QString>

#include <functional>

// A failure of the data layer, as a value. The data layer shows nothing
// itself: it hands every failure the operator must hear of to the reporter
// its owner gave it, and the owner decides how to show it.
struct DBError {
    enum class Kind {
        Connection, // a connection could not be opened
        Statement,  // the server refused a statement, or the connection broke
        SQLLog,     // the SQL log could not be written
        Procedure,  // a routine that guards its own steps failed in one of them
    };

    Kind kind = Kind::Statement;
    unsigned number = 0;
    QString description;
    // The routine that failed (Procedure), or the log file (SQLLog).
    QString where;
    // Where the failed routine lives (Procedure), e.g. "Module modMySQL_Func".
    QString owner;

    // The operator's text for this failure.
    QString text() const;
};

using DBErrorReporter = std::function<void(const DBError &)>;

// The message shown when a connection fails: the first line, extended by the
// advice on the network for error 2003.
QString ConnectFailureMessage(unsigned errorNumber);
