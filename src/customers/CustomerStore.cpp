#include "CustomerStore.h"

#include "LeadingNumber.h"
#include "modMySQL_Func.h"

namespace {
// The first row of a read, or nothing (no row, or a failed statement).
RecordsetPtr firstRow(const QString &sql)
{
    RecordsetPtr rows;
    DBQuery(rows, sql);
    if (rows && rows->Eof())
        CloseRecordset(rows);
    return rows;
}
} // namespace

bool CustomerStore::search(const QString &find, const ChunkReader &reader) const
{
    return DBQueryInChunks(listStatement(find), reader);
}

QString CustomerStore::listStatement(const QString &find)
{
    QString sql = QStringLiteral("SELECT u.code, u.userid, u.userpw, u.username, u.restcnt AS cnt, u.regdate")
                  + QStringLiteral(", u.bigo, u.hpno") + QStringLiteral(" FROM ") + QStringLiteral("emailuser")
                  + QStringLiteral(" AS u") + QStringLiteral(" WHERE 1=1");
    if (!find.isEmpty()) {
        const QString like = SQLEscapedLike(find);
        sql += QStringLiteral(" AND (u.userid LIKE '%") + like + QStringLiteral("%'")
               + QStringLiteral(" OR u.username LIKE '%") + like + QStringLiteral("%'")
               + QStringLiteral(" OR REPLACE(u.hpno, '-', '') LIKE '%") + like + QStringLiteral("%'")
               + QStringLiteral(")");
    }
    return sql + QStringLiteral(" ORDER BY u.username");
}

bool CustomerStore::history(int code, const QString &from, const QString &to, HistoryKind kind,
                            const ChunkReader &reader) const
{
    return DBQueryInChunks(historyStatement(code, from, to, kind), reader);
}

// The period comes from the date box and is escaped like any typed text.
QString CustomerStore::historyStatement(int code, const QString &from, const QString &to, HistoryKind kind)
{
    QString sql = QStringLiteral(
                      "SELECT regdate, regtime, gubun, inprice, appcnt, ucode, recuserid, recusername, bigo, idx ")
                  + QStringLiteral(" FROM ") + QStringLiteral("emaillog") + QStringLiteral(" WHERE 1=1")
                  + QStringLiteral(" AND regdate between '") + SQLEscaped(from) + QStringLiteral("' and '")
                  + SQLEscaped(to) + QLatin1Char('\'') + QStringLiteral(" AND ucode = ") + QString::number(code);
    if (kind == HistoryKind::TopUp)
        sql += QStringLiteral(" AND gubun <> 0 "); // every kind the history shows as 충전
    else if (kind == HistoryKind::Use)
        sql += QStringLiteral(" AND gubun = 0 ");
    sql += QStringLiteral(" ORDER BY regdate, regtime ");
    return sql;
}

std::optional<QString> CustomerStore::name(int code) const
{
    const RecordsetPtr rows = firstRow(QStringLiteral("select username from emailuser where code = ")
                                       + QString::number(code));
    if (!rows)
        return std::nullopt;
    return rows->Fields(0);
}

std::optional<double> CustomerStore::balance(int code) const
{
    const RecordsetPtr rows = firstRow(QStringLiteral("select restcnt from emailuser where code = ")
                                       + QString::number(code));
    if (!rows)
        return std::nullopt;
    return LeadingNumber(rows->Fields(0));
}

std::optional<CustomerRecord> CustomerStore::record(int code) const
{
    const RecordsetPtr rows = firstRow(
        QStringLiteral("SELECT code, userid, userpw, username, restcnt, regdate, bigo, hpno") + QStringLiteral(" FROM ")
        + QStringLiteral("emailuser") + QStringLiteral(" AS u") + QStringLiteral(" WHERE code = ")
        + QString::number(code));
    if (!rows)
        return std::nullopt;
    return CustomerRecord{rows->Fields(QStringLiteral("userid")), rows->Fields(QStringLiteral("userpw")),
                          rows->Fields(QStringLiteral("username")), rows->Fields(QStringLiteral("hpno")),
                          rows->Fields(QStringLiteral("bigo"))};
}

std::optional<int> CustomerStore::idHolders(const QString &userId, int exceptCode) const
{
    const int holders = DBCount(QStringLiteral("emailuser"), QStringLiteral("userid='") + SQLEscaped(userId)
                                                                 + QStringLiteral("' AND code <> ")
                                                                 + QString::number(exceptCode));
    if (holders < 0)
        return std::nullopt;
    return holders;
}

// Every typed value is escaped: an apostrophe or backslash stays text.
std::optional<int> CustomerStore::insert(const CustomerRecord &customer, const QDate &regDate,
                                         const QString &operatorId)
{
    const QString sql = QStringLiteral("INSERT INTO ") + QStringLiteral("emailuser")
                        + QStringLiteral(" (userid, userpw, username, restcnt, regdate, bigo, hpno, reguser")
                        + QStringLiteral(") VALUES (") + QStringLiteral(" '") + SQLEscaped(customer.userId)
                        + QLatin1Char('\'') + QStringLiteral(", '") + SQLEscaped(customer.password) + QLatin1Char('\'')
                        + QStringLiteral(", '") + SQLEscaped(customer.name) + QLatin1Char('\'') + QStringLiteral(", ")
                        + QStringLiteral("0") + QStringLiteral(", '") + regDate.toString(QStringLiteral("yyyy-MM-dd"))
                        + QLatin1Char('\'') + QStringLiteral(", '") + SQLEscaped(customer.memo) + QLatin1Char('\'')
                        + QStringLiteral(", '") + SQLEscaped(customer.phone) + QLatin1Char('\'') + QStringLiteral(", '")
                        + SQLEscaped(operatorId) + QLatin1Char('\'') + QStringLiteral(")");
    if (DBExecute(sql) < 1)
        return std::nullopt;
    return DBInsertId();
}

bool CustomerStore::update(int code, const CustomerRecord &customer)
{
    const QString sql = QStringLiteral("UPDATE ") + QStringLiteral("emailuser") + QStringLiteral(" SET ")
                        + QStringLiteral(" userid = '") + SQLEscaped(customer.userId) + QLatin1Char('\'')
                        + QStringLiteral(", userpw = '") + SQLEscaped(customer.password) + QLatin1Char('\'')
                        + QStringLiteral(", username = '") + SQLEscaped(customer.name) + QLatin1Char('\'')
                        + QStringLiteral(", bigo = '") + SQLEscaped(customer.memo) + QLatin1Char('\'')
                        + QStringLiteral(", hpno = '") + SQLEscaped(customer.phone) + QLatin1Char('\'')
                        + QStringLiteral(" WHERE code = ") + QString::number(code);
    return DBExecute(sql) > 0;
}
