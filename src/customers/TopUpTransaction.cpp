#include "TopUpTransaction.h"

#include "CommitFence.h"
#include "TopUpRequests.h"
#include "modMySQL_Func.h"

TopUpTransaction::Result TopUpTransaction::write(const TopUpEntry &entry)
{
    if (m_pending)
        return decidePending();
    m_provable = DBKeepsTransactions({QStringLiteral("emaillog"), QStringLiteral("emailuser")});
    const QString token = TopUpRequests::newToken();
    Result result = Result::NotSaved;
    if (attempt(entry, token, result) == Attempt::Retry)
        attempt(entry, token, result);
    return result;
}

TopUpTransaction::Attempt TopUpTransaction::attempt(const TopUpEntry &entry, const QString &token, Result &result)
{
    result = Result::NotSaved;
    DBTransaction transaction;
    if (!transaction.started())
        return Attempt::Done;
    if (DBExecute(insertStatement(entry)) < 1) {
        if (DBTransaction::lastAnswerLost()) {
            result = answerLost(token, entry);
            return Attempt::Done;
        }
        const bool retry = DBTransaction::lastStatementMayRetry();
        transaction.rollback();
        result = Result::NotRecorded;
        return retry ? Attempt::Retry : Attempt::Done;
    }
    const int idx = DBInsertId();
    const bool written = DBExecute(TopUpRequests::insertStatement(token, entry, idx)) == 1
                         && DBExecute(QStringLiteral("UPDATE emailuser SET restcnt = restcnt + ") + entry.count
                                      + QStringLiteral(" WHERE code = ") + entry.key)
                                == 1
                         && !DBTransaction::lastStatementFailed();
    if (!written) {
        if (DBTransaction::lastAnswerLost()) {
            result = answerLost(token, entry);
            return Attempt::Done;
        }
        const bool retry = DBTransaction::lastStatementMayRetry();
        result = undo(transaction, entry, idx);
        return retry && result == Result::NotSaved ? Attempt::Retry : Attempt::Done;
    }
    switch (transaction.commit()) {
    case DBTransaction::Outcome::Committed: result = Result::Saved; return Attempt::Done;
    case DBTransaction::Outcome::AnswerLost: result = answerLost(token, entry); return Attempt::Done;
    case DBTransaction::Outcome::NotCommitted: break;
    }
    // Refused at COMMIT: the changes of a table without transactions stay.
    result = m_provable ? Result::NotSaved : Result::Unconfirmed;
    return m_provable && DBTransaction::lastStatementMayRetry() ? Attempt::Retry : Attempt::Done;
}

// A table without transactions keeps the log row through the rollback; on the
// same connection the row is surely this top-up's, and is deleted by its key
// and its contents together.
TopUpTransaction::Result TopUpTransaction::undo(DBTransaction &transaction, const TopUpEntry &entry, int idx)
{
    if (transaction.rollback())
        return Result::NotSaved;
    if (DBTransaction::lastAnswerLost())
        return Result::Unconfirmed;
    return DBExecute(deleteStatement(entry, idx)) == 1 ? Result::NotSaved : Result::Unconfirmed;
}

TopUpTransaction::Result TopUpTransaction::answerLost(const QString &token, const TopUpEntry &entry)
{
    m_pending = Pending{token, entry, m_provable};
    return decidePending();
}

TopUpTransaction::Result TopUpTransaction::decidePending()
{
    if (!m_pending)
        return Result::NotSaved;
    const CommitFence fence(TopUpRequests::abandonStatement(m_pending->token, m_pending->entry),
                            TopUpRequests::isAbandonedStatement(m_pending->token));
    switch (fence.decide()) {
    case CommitFence::Outcome::Committed: m_pending.reset(); return Result::Saved;
    case CommitFence::Outcome::Unknown: return Result::Unconfirmed;
    case CommitFence::Outcome::NotCommitted: break;
    }
    // Without transactions an abandoned token proves nothing about the log
    // row and the balance: the top-up stays to be checked by the operator.
    if (!m_pending->provable)
        return Result::Unconfirmed;
    m_pending.reset();
    return Result::NotSaved;
}

QString TopUpTransaction::insertStatement(const TopUpEntry &entry)
{
    return QStringLiteral("INSERT INTO ") + QStringLiteral("emaillog")
           + QStringLiteral(" (regdate, regtime, gubun, inprice, appcnt, ucode, recuserid, recusername, bigo")
           + QStringLiteral(") VALUES (") + QStringLiteral(" '") + entry.date + QLatin1Char('\'')
           + QStringLiteral(", '") + entry.time + QLatin1Char('\'') + QStringLiteral(", ") + QStringLiteral("1")
           + QStringLiteral(", ") + entry.amount + QStringLiteral(", ") + entry.count + QStringLiteral(", ") + entry.key
           + QStringLiteral(", '") + SQLEscaped(entry.operatorId) + QLatin1Char('\'') + QStringLiteral(", '")
           + SQLEscaped(entry.operatorName) + QLatin1Char('\'') + QStringLiteral(", '") + SQLEscaped(entry.memo)
           + QLatin1Char('\'') + QStringLiteral(")");
}

QString TopUpTransaction::deleteStatement(const TopUpEntry &entry, int idx)
{
    return QStringLiteral("DELETE FROM ") + QStringLiteral("emaillog") + QStringLiteral(" WHERE idx = ")
           + QString::number(idx) + QStringLiteral(" AND gubun = 1 AND ucode = ") + entry.key
           + QStringLiteral(" AND appcnt = ") + entry.count + QStringLiteral(" AND regdate = '") + entry.date
           + QStringLiteral("' AND regtime = '") + entry.time + QStringLiteral("' AND recuserid = '")
           + SQLEscaped(entry.operatorId) + QLatin1Char('\'');
}
