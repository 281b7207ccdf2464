#include "CommitFence.h"

#include "ServerErrors.h"
#include "modMySQL_Func.h"

#include <QElapsedTimer>
#include <QThread>

namespace {
// A server that cannot be reached for this long is not waited for: the
// operator hears that the result is not known and can ask again.
constexpr qint64 ReachPatienceMs = 2000;

cMySQL *connection() { return g_DB[0].get(); }
} // namespace

CommitFence::CommitFence(QString insertAbandoned, QString isAbandoned)
    : m_insertAbandoned(std::move(insertAbandoned)), m_isAbandoned(std::move(isAbandoned))
{
}

CommitFence::Outcome CommitFence::decide(std::chrono::milliseconds patience) const
{
    if (!connection())
        return Outcome::Unknown;
    QElapsedTimer waited;
    waited.start();
    bool connected = connection()->reopen_after_loss();
    qint64 unreachableSince = connected ? -1 : 0;
    for (;;) {
        Outcome outcome = Outcome::Unknown;
        const Step step = connected ? fenceOnce(outcome) : Step::Reconnect;
        if (step == Step::Decided) {
            DBTransaction::logOutcome(outcome == Outcome::Committed);
            return outcome;
        }
        const bool unreachableTooLong = unreachableSince >= 0 && waited.elapsed() - unreachableSince >= ReachPatienceMs;
        if (step == Step::GiveUp || unreachableTooLong || waited.elapsed() >= patience.count())
            return Outcome::Unknown;
        if (step == Step::Reconnect) {
            QThread::msleep(250);
            connected = connection()->reopen_after_loss();
            if (connected)
                unreachableSince = -1;
            else if (unreachableSince < 0)
                unreachableSince = waited.elapsed();
        }
    }
}

// One insert of the marker, waiting at most a second for a lock the lost
// transaction may hold.
CommitFence::Step CommitFence::fenceOnce(Outcome &outcome) const
{
    cMySQL &db = *connection();
    db.query_quietly(QStringLiteral("SET SESSION innodb_lock_wait_timeout = 1"));
    if (db.last_error() == 0) {
        DBLogStatement(m_insertAbandoned);
        db.query_quietly(m_insertAbandoned);
    }
    const unsigned error = db.last_error();
    if (db.answer_lost())
        return Step::Reconnect;
    db.query_quietly(QStringLiteral("SET SESSION innodb_lock_wait_timeout = DEFAULT"));
    switch (error) {
    case 0: outcome = Outcome::NotCommitted; return Step::Decided;
    case ServerErrors::DuplicateKey: return readMarker(outcome);
    case ServerErrors::LockWaitTimeout: db.end_previous_session(); return Step::TryAgain;
    case ServerErrors::Deadlock: return Step::TryAgain;
    default: return Step::GiveUp;
    }
}

CommitFence::Step CommitFence::readMarker(Outcome &outcome) const
{
    cMySQL &db = *connection();
    RecordsetPtr rows = db.query_quietly(m_isAbandoned);
    if (db.answer_lost())
        return Step::Reconnect;
    if (!rows || rows->Eof())
        return Step::GiveUp;
    outcome = rows->Fields(0) == QLatin1String("1") ? Outcome::NotCommitted : Outcome::Committed;
    return Step::Decided;
}
