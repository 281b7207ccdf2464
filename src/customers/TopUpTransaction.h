#pragma once
#include <QString>

// One top-up as typed: numbers already in their statement form.
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

// Writes a top-up (its kind-1 log row and the raise of the balance) exactly
// once: both or neither, retried once after a deadlock or lock wait, and after
// a connection lost during COMMIT decided by looking the log row up. A top-up
// whose fate could not be learned is looked up first on the next write, never
// written a second time; a new object is a new top-up.
class TopUpTransaction {
public:
    enum class Result {
        Saved,
        NotRecorded, // the log row did not go in
        NotSaved,    // nothing remains, or whether it was saved is not yet known
    };

    Result write(const TopUpEntry &entry);

private:
    enum class Attempt { Done, Retry };
    Attempt attempt(const TopUpEntry &entry, Result &result);
    static void undo(class DBTransaction &transaction, int idx);
    static QString insertStatement(const TopUpEntry &entry);
    static QString proofOf(const TopUpEntry &entry, int idx);

    QString m_unresolvedProof; // the look-up of a top-up whose COMMIT went unanswered
};
