#include "DBTransaction.h"

#include "ServerErrors.h"
#include "modMySQL_Func.h"

namespace {
cMySQL *writeConnection() { return g_DB[0].get(); }
} // namespace

DBTransaction::DBTransaction()
{
    if (!writeConnection())
        return;
    m_started = writeConnection()->begin_transaction();
    if (m_started)
        DBLogStatement(QStringLiteral("START TRANSACTION"));
}

DBTransaction::~DBTransaction()
{
    if (m_started && !m_done)
        rollback();
}

DBTransaction::Outcome DBTransaction::commit()
{
    if (!m_started || m_done)
        return Outcome::NotCommitted;
    m_done = true;
    cMySQL *connection = writeConnection();
    if (connection->commit()) {
        DBLogStatement(QStringLiteral("COMMIT"));
        return Outcome::Committed;
    }
    if (connection->answer_lost())
        return Outcome::AnswerLost;
    DBLogStatement(QStringLiteral("ROLLBACK"));
    return Outcome::NotCommitted;
}

bool DBTransaction::rollback()
{
    if (!m_started || m_done)
        return true;
    m_done = true;
    const bool undone = writeConnection()->rollback();
    DBLogStatement(QStringLiteral("ROLLBACK"));
    return undone;
}

void DBTransaction::logOutcome(bool committed)
{
    DBLogStatement(committed ? QStringLiteral("COMMIT") : QStringLiteral("ROLLBACK"));
}

bool DBTransaction::lastStatementFailed() { return !writeConnection() || writeConnection()->last_error() != 0; }

bool DBTransaction::lastAnswerLost() { return writeConnection() && writeConnection()->answer_lost(); }

bool DBTransaction::lastStatementMayRetry()
{
    const unsigned error = writeConnection() ? writeConnection()->last_error() : 0;
    return error == ServerErrors::LockWaitTimeout || error == ServerErrors::Deadlock;
}
