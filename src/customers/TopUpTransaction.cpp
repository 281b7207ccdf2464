#include "TopUpTransaction.h"

#include "modMySQL_Func.h"

TopUpTransaction::Result TopUpTransaction::write(const TopUpEntry &entry)
{
    if (!m_unresolvedProof.isEmpty()) {
        switch (DBTransaction::resolve(m_unresolvedProof)) {
        case DBTransaction::Outcome::Committed: m_unresolvedProof.clear(); return Result::Saved;
        case DBTransaction::Outcome::Unknown: return Result::NotSaved;
        case DBTransaction::Outcome::NotCommitted: m_unresolvedProof.clear(); break;
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
    const QString proof = proofOf(entry, idx);
    switch (transaction.commit(proof)) {
    case DBTransaction::Outcome::Committed: result = Result::Saved; return Attempt::Done;
    case DBTransaction::Outcome::Unknown: m_unresolvedProof = proof; return Attempt::Done;
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

// The key alone is no proof: a key whose row never went in can be dealt out
// again to another top-up (a cluster's nodes deal keys anew after losing one).
QString TopUpTransaction::proofOf(const TopUpEntry &entry, int idx)
{
    return QStringLiteral("SELECT COUNT(*) FROM emaillog WHERE idx = ") + QString::number(idx)
           + QStringLiteral(" AND ucode = ") + entry.key + QStringLiteral(" AND appcnt = ") + entry.count
           + QStringLiteral(" AND regdate = '") + entry.date + QStringLiteral("' AND regtime = '") + entry.time
           + QStringLiteral("' AND recuserid = '") + SQLEscaped(entry.operatorId) + QStringLiteral("' AND bigo = '")
           + SQLEscaped(entry.memo) + QLatin1Char('\'');
}
