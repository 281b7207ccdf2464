#pragma once

// A transaction on connection 0 that rolls back unless committed. Its
// statements go into the SQL log like any other; the line that ends it says
// what became of it (COMMIT or ROLLBACK), also when its answer was lost and
// the outcome had to be learned afterwards (logOutcome).
class DBTransaction {
public:
    enum class Outcome { Committed, NotCommitted, AnswerLost };

    DBTransaction();
    ~DBTransaction();
    DBTransaction(const DBTransaction &) = delete;
    DBTransaction &operator=(const DBTransaction &) = delete;

    bool started() const { return m_started; }
    // Commits; AnswerLost when the COMMIT may have landed unseen.
    Outcome commit();
    // False when a change may have stayed behind (tables without transactions,
    // or a lost connection).
    bool rollback();
    // The line that ends a transaction whose outcome was learned afterwards.
    static void logOutcome(bool committed);
    // True when the last statement on connection 0 failed.
    static bool lastStatementFailed();
    // True when the last statement may have taken effect unseen (see cMySQL::answer_lost).
    static bool lastAnswerLost();
    // True when it failed on a deadlock or a lock wait: worth one more try.
    static bool lastStatementMayRetry();

private:
    bool m_started = false;
    bool m_done = false;
};
