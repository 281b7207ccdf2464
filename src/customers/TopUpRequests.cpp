#include "TopUpRequests.h"

#include "ShellUtils.h"
#include "TopUpTransaction.h"
#include "modMySQL_Func.h"

#include <QRandomGenerator>
#include <QSysInfo>

namespace {
QString columns() { return QStringLiteral("(token, logidx, ucode, appcnt, recuserid, workstation, abandoned)"); }

QString values(const QString &token, const TopUpEntry &entry, const QString &logIdx, const char *abandoned)
{
    return QStringLiteral(" VALUES ('") + token + QStringLiteral("', ") + logIdx + QStringLiteral(", ") + entry.key
           + QStringLiteral(", ") + entry.count + QStringLiteral(", '") + SQLEscaped(entry.operatorId)
           + QStringLiteral("', '") + SQLEscaped(QSysInfo::machineHostName().left(64)) + QStringLiteral("', ")
           + QLatin1String(abandoned) + QLatin1Char(')');
}
} // namespace

QString TopUpRequests::newToken()
{
    quint64 bits[2];
    QRandomGenerator::system()->fillRange(bits);
    return QStringLiteral("%1%2").arg(bits[0], 16, 16, QLatin1Char('0')).arg(bits[1], 16, 16, QLatin1Char('0'));
}

QString TopUpRequests::insertStatement(const QString &token, const TopUpEntry &entry, int logIdx)
{
    return QStringLiteral("INSERT INTO topup_request ") + columns() + values(token, entry, QString::number(logIdx), "0");
}

QString TopUpRequests::abandonStatement(const QString &token, const TopUpEntry &entry)
{
    return QStringLiteral("INSERT INTO topup_request ") + columns() + values(token, entry, QStringLiteral("NULL"), "1");
}

QString TopUpRequests::isAbandonedStatement(const QString &token)
{
    return QStringLiteral("SELECT abandoned FROM topup_request WHERE token = '") + token + QLatin1Char('\'');
}

bool TopUpRequests::checkInstalled()
{
    const int count = DBCount(QStringLiteral("information_schema.TABLES"),
                              QStringLiteral("TABLE_SCHEMA = DATABASE() AND TABLE_NAME = 'topup_request'"));
    if (count != 0)
        return count == 1; // a count that could not be read has shown its own error
    ShowMsg(QStringLiteral("충전 확인용 테이블(topup_request)이 데이터베이스에 없습니다.\r\n\r\n"
                           "02_topup_request.sql 파일로 테이블을 만들기 전에는 충전을 저장할 수 없습니다."));
    return false;
}
