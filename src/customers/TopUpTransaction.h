#pragma once
#include <QString>

#include <optional>

// One top-up as typed: numbers already in their statement form, texts as typed.
struct TopUpEntry {
    QString date; // "yyyy-MM-dd"
    QString time; // "HH:mm"
    QString amount;
    QString count;
    QString key; // the customer's code
    QString operatorId;
    QString operatorName;
    QString memo;
};

// Writes a top-up (its kind-1 log row, its token row and the raise of the
// balance) exactly once: all or nothing, retried once after a deadlock or
// lock wait. When an answer is lost on the way, the top-up is decided by its
// token (CommitFence); a top-up still undecided stays pending, and every
// later write decides it instead of writing anything. A new object is a new
// top-up.
class TopUpTransaction {
public:
    enum class Result {
        Saved,
        NotRecorded, // the log row did not go in
        NotSaved,    // nothing remains
        Unconfirmed, // may have been saved: must be checked before it is entered again
    };

    Result write(const TopUpEntry &entry);
    bool pending() const { return m_pending.has_value(); }
    // Learns the fate of the pending top-up by its token.
    Result decidePending();

private:
    struct Pending {
        QString token;
        TopUpEntry entry;
        bool provable; // every table keeps transactions: an abandoned token proves nothing was written
    };
    enum class Attempt { Done, Retry };
    Attempt attempt(const TopUpEntry &entry, const QString &token, Result &result);
    Result undo(class DBTransaction &transaction, const TopUpEntry &entry, int idx);
    Result answerLost(const QString &token, const TopUpEntry &entry);
    static QString insertStatement(const TopUpEntry &entry);
    static QString deleteStatement(const TopUpEntry &entry, int idx);

    std::optional<Pending> m_pending;
    bool m_provable = true;
};
