#include "CustomerFixture.h"

#include "Clock.h"
#include "Cp949.h"
#include "DBErrorBox.h"
#include "LoginValues.h"
#include "NetworkAdapters.h"
#include "ProgramFolder.h"
#include "SQLLog.h"
#include "ShellUtils.h"
#include "modMySQL_Func.h"

#include <QFile>

CustomerFixture::CustomerFixture()
{
    workspace = std::make_unique<TestWorkspace>();
    messages = std::make_unique<MessageRecorder>();
    db.reset();
    db.exec(QStringLiteral("INSERT INTO `user` (`id`, `password`, `name`, `level`, `hidden`, sale_user) VALUES "
                           "('boss', 'pw0', '사장', 0, 0, 1), ('clerk', 'pw1', '직원', 1, 0, 1), "
                           "('o''k', 'p''w\\\\', '따옴표', 0, 0, 1), ('gone', 'pw', '퇴사자', 1, 1, 1)"));
    NetworkAdapters::override(QStringLiteral("00-1A-2B-3C-4D-5E"));
    PointProgramAtTestDatabase();
    g_sAppTitle = QStringLiteral("Quotadesk");
    g_sCompany = QStringLiteral("TallowSoft");
    g_sOperID = QStringLiteral("clerk");
    g_sOperName = QStringLiteral("직원");
    ResetFloatMsgStatus();
    QFile notice(ProgramFolder::file(ProgramFolder::programFileName(QStringLiteral("FloatMsg"))));
    notice.open(QIODevice::WriteOnly);
    Launcher::setHandler([this](const LaunchRequest &request) {
        launches << request;
        return true;
    });
    DBInit(TestDatabase::address(), QStringLiteral("twbusiness"), QStringLiteral("kpvr5820"),
           QStringLiteral("businesslog"), QString(), true, ShowDBError);
}

CustomerFixture::~CustomerFixture()
{
    Launcher::setHandler({});
    g_DB[0].reset();
    g_DB[1].reset();
}

int CustomerFixture::addCustomer(const QString &userid, const QString &username, const QString &hpno, long restcnt)
{
    db.exec(QStringLiteral("INSERT INTO emailuser (userid, userpw, username, hpno, restcnt, regdate) "
                           "VALUES ('%1', 'pw', '%2', '%3', %4, '2011-01-01')")
                .arg(userid, username, hpno)
                .arg(restcnt));
    return static_cast<int>(db.insertId());
}

void CustomerFixture::setServerTime(const QString &moment)
{
    g_DB[0]->query(QStringLiteral("SET timestamp = UNIX_TIMESTAMP('%1')").arg(moment));
}

QStringList CustomerFixture::notices() const
{
    QStringList out;
    for (const LaunchRequest &r : launches)
        out << r.parameters;
    return out;
}

// Every group of four hex digits of a log line is one character code with its
// halves swapped.
QStringList CustomerFixture::sqlLog()
{
    QFile file(SQLLogFile(Clock::now().date()));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines;
    for (const QByteArray &encoded : file.readAll().split('\n')) {
        const QByteArray hex = encoded.trimmed();
        QByteArray bytes;
        for (qsizetype i = 0; i + 4 <= hex.size(); i += 4) {
            // The group as written before the swap: one hex digit padded in front,
            // two (a single byte) padded behind, or four (a double byte).
            const QByteArray group = hex.mid(i + 2, 2) + hex.mid(i, 2);
            const int high = group.left(2).toInt(nullptr, 16);
            const int code = group.startsWith("000") ? group.mid(3).toInt(nullptr, 16)
                             : high < 0x80           ? high
                                                     : group.toInt(nullptr, 16);
            if (code > 0xff)
                bytes += static_cast<char>(code >> 8);
            bytes += static_cast<char>(code & 0xff);
        }
        if (!bytes.isEmpty())
            lines << Cp949::decode(bytes).section(QLatin1Char('\t'), 1);
    }
    return lines;
}
