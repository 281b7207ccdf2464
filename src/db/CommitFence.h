#pragma once
#include <QString>

#include <chrono>

// Learns whether a transaction whose answer was lost committed, by a marker
// row that the transaction inserted and nothing else ever inserts with its
// key. The fence reconnects and inserts that key itself, marked abandoned:
// - a duplicate key means the transaction's own marker is there: committed
//   (or an earlier fence's, which the marker's state tells);
// - success means it was not, and now never can be: its own insert of the key
//   would fail;
// - a lock wait means the transaction is still open on the server: the
//   program's old session is ended when the server shows it as ours, and the
//   fence tries again, for a bounded time.
// This holds over any path to the server, a cluster's nodes included (their
// certification orders the two inserts); ending the old session only saves
// waiting.
class CommitFence {
public:
    enum class Outcome { Committed, NotCommitted, Unknown };

    // insertAbandoned: the insert of the marker as abandoned; isAbandoned: a
    // read of the marker that is "1" when it is abandoned, "0" when it was
    // the transaction's own.
    CommitFence(QString insertAbandoned, QString isAbandoned);

    // Decides on the write connection; Unknown when the server cannot be
    // reached for two seconds, or the transaction stays open for longer than
    // patience.
    Outcome decide(std::chrono::milliseconds patience = std::chrono::seconds(20)) const;

private:
    enum class Step { Decided, TryAgain, Reconnect, GiveUp };
    Step fenceOnce(Outcome &outcome) const;
    Step readMarker(Outcome &outcome) const;

    QString m_insertAbandoned;
    QString m_isAbandoned;
};
