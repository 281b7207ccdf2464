#include "TopUpTransaction.h"

#include "modMySQL_Func.h"

TopUpTransaction::Result TopUpTransaction::write(const TopUpEntry &entry)
{
    if (m_unresolvedIdx != 0) {
        switch (DBTransaction::resolve(proofOf(m_unresolvedIdx))) {
        case DBTransaction::Outcome::Committed: m_unresolvedIdx = 0; return Result::Saved;
        case DBTransaction::Outcome::Unknown: return Result::NotSaved;
        case DBTransaction::Outcome::NotCommitted: m_unresolvedIdx = 0; break;
        }
    }
    Result result = Result::NotSaved;
    if (attempt(entry, result) == Attempt::Retry)
        attempt(entry, result);
    return result;
}

TopUpTransaction::Attempt TopUpTransaction::attempt(const TopUpEntry &entry, Result &result)
{
    result = Result::NotSaved;
    DBTransaction transaction;
    if (!transaction.started())
        return Attempt::Done;
    const int inserted = DBExecute(insertStatement(entry));
    if (inserted < 1) {
        const bool retry = DBTransaction::lastStatementMayRetry();
        transaction.rollback();
        result = Result::NotRecorded;
        return retry ? Attempt::Retry : Attempt::Done;
    }
    const int idx = DBInsertId();
    const int raised = DBExecute(QStringLiteral("UPDATE emailuser SET restcnt = restcnt + ") + entry.count
                                 + QStringLiteral(" WHERE code = ") + entry.key);
    if (raised != 1 || DBTransaction::lastStatementFailed()) {
        const bool retry = DBTransaction::lastStatementMayRetry();
        undo(transaction, idx);
        return retry ? Attempt::Retry : Attempt::Done;
    }
    switch (transaction.commit(proofOf(idx))) {
    case DBTransaction::Outcome::Committed: result = Result::Saved; return Attempt::Done;
    case DBTransaction::Outcome::Unknown: m_unresolvedIdx = idx; return Attempt::Done;
    case DBTransaction::Outcome::NotCommitted:
        return DBTransaction::lastStatementMayRetry() ? Attempt::Retry : Attempt::Done;
    }
    return Attempt::Done;
}

// A table without transactions keeps the log row through the rollback; the
// row is then deleted by its key.
void TopUpTransaction::undo(DBTransaction &transaction, int idx)
{
    if (!transaction.rollback())
        DBExecute(QStringLiteral("DELETE FROM ") + QStringLiteral("emaillog") + QStringLiteral(" WHERE idx = ")
                  + QString::number(idx));
}

QString TopUpTransaction::insertStatement(const TopUpEntry &entry)
{
    return QStringLiteral("INSERT INTO ") + QStringLiteral("emaillog")
           + QStringLiteral(" (regdate, regtime, gubun, inprice, appcnt, ucode, recuserid, recusername, bigo")
           + QStringLiteral(") VALUES (") + QStringLiteral(" '") + entry.date + QLatin1Char('\'')
           + QStringLiteral(", '") + entry.time + QLatin1Char('\'') + QStringLiteral(", ") + QStringLiteral("1")
           + QStringLiteral(", ") + entry.amount + QStringLiteral(", ") + entry.count + QStringLiteral(", ") + entry.key
           + QStringLiteral(", '") + entry.operatorId + QLatin1Char('\'') + QStringLiteral(", '")
           + SQLEscaped(entry.operatorName) + QLatin1Char('\'') + QStringLiteral(", '") + SQLEscaped(entry.memo)
           + QLatin1Char('\'') + QStringLiteral(")");
}

QString TopUpTransaction::proofOf(int idx)
{
    return QStringLiteral("SELECT COUNT(*) FROM emaillog WHERE idx = ") + QString::number(idx);
}
