#include "DBErrorBox.h"
#include "DuplicateCheck.h"
#include "MessageRecorder.h"
#include "SQLLog.h"
#include "TestDatabase.h"
#include "TestWorkspace.h"
#include "modMySQL_Func.h"

#include <QFile>
#include <QtTest>

// The service functions every screen reads and writes through.
class TestDBFunctions : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_workspace = std::make_unique<TestWorkspace>(QDateTime(QDate(2026, 12, 6), QTime(9, 5, 7)));
        m_db.reset();
        QVERIFY(DBInit(TestDatabase::address(), QStringLiteral("twbusiness"), QStringLiteral("kpvr5820"),
                       QStringLiteral("businesslog"), QString(), true, ShowDBError));
    }
    void cleanup()
    {
        g_DB[0].reset();
        g_DB[1].reset();
        m_workspace.reset();
    }

    void oneConnectionServesReadsAndWrites()
    {
        QCOMPARE(g_nDB, 0);
        QVERIFY(!g_DB[1]);
        QCOMPARE(DBExecute(QStringLiteral("INSERT INTO emailuser (userid) VALUES ('a'), ('b')")), 2);
        QVERIFY(DBInsertId() > 0);
        RecordsetPtr rows;
        QCOMPARE(DBQuery(rows, QStringLiteral("SELECT userid FROM emailuser ORDER BY userid")), 2);
        QCOMPARE(rows->Fields(QStringLiteral("USERID")), QStringLiteral("a"));
        CloseRecordset(rows);
        QVERIFY(!rows);
        QCOMPARE(DBCount(QStringLiteral("emailuser"), QString()), 2);
        QCOMPARE(DBCount(QStringLiteral("emailuser"), QStringLiteral("userid = 'b'")), 1);
        QCOMPARE(DBGetValue(QStringLiteral("SELECT userid FROM emailuser WHERE userid = 'zz'")), QString());
    }

    void scrambleLogLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("encoded");
        QTest::newRow("A") << QStringLiteral("A") << QStringLiteral("0041");
        QTest::newRow("tab") << QStringLiteral("\t") << QStringLiteral("0900");
        QTest::newRow("hangul") << QStringLiteral("가") << QStringLiteral("A1B0");
        QTest::newRow("semicolon") << QStringLiteral(";") << QStringLiteral("003B");
    }
    void scrambleLogLine()
    {
        QFETCH(QString, line);
        QFETCH(QString, encoded);
        QCOMPARE(ScrambleLogLine(line), encoded);
    }

    void everyStatementIsLoggedEvenWhenItChangesNothing()
    {
        QCOMPARE(DBExecute(QStringLiteral("UPDATE emailuser SET bigo = '가' WHERE code = -1")), 0);
        const QByteArray log = m_workspace->readFile(QStringLiteral("SQLLog_261206.dat"));
        const QList<QByteArray> lines = log.split('\n');
        QCOMPARE(lines.size(), 2); // one line and the empty rest after its CR LF
        QVERIFY(lines[0].endsWith("003B\r"));
        const QString expected = ScrambleLogLine(
            QStringLiteral("261206090507\tUPDATE emailuser SET bigo = '가' WHERE code = -1;"));
        QCOMPARE(QString::fromLatin1(lines[0].chopped(1)), expected);

        MessageRecorder messages;
        QCOMPARE(DBExecute(QStringLiteral("UPDATE no_such_table SET x = 1")), 0);
        QCOMPARE(messages.count(), 1); // the statement's own error box
        QCOMPARE(m_workspace->readFile(QStringLiteral("SQLLog_261206.dat")).count('\n'), 2);
    }

    // A folder in the way, then a full disk: each failure is told once, and
    // every statement stands.
    void unwritableLogIsReportedOnceAndChangesStand()
    {
        const QString log = SQLLogFile(QDate(2026, 12, 6));
        QFile::remove(log);
        QVERIFY(QDir().mkpath(log)); // a folder where the file should be
        MessageRecorder messages;
        QCOMPARE(DBExecute(QStringLiteral("INSERT INTO emailuser (userid) VALUES ('x1')")), 1);
        QCOMPARE(DBExecute(QStringLiteral("INSERT INTO emailuser (userid) VALUES ('x2')")), 1);
        QCOMPARE(messages.count(), 1);
        QVERIFY(messages.last().text.contains(QStringLiteral("SQL 로그")));

        QVERIFY(QDir(log).removeRecursively());
        QCOMPARE(DBExecute(QStringLiteral("INSERT INTO emailuser (userid) VALUES ('x3')")), 1);
        QCOMPARE(messages.count(), 1);
        if (!QFile::exists(QStringLiteral("/dev/full")))
            QSKIP("no /dev/full to stand for a full disk");
        QVERIFY(QFile::remove(log));
        QVERIFY(QFile::link(QStringLiteral("/dev/full"), log));
        QCOMPARE(DBExecute(QStringLiteral("INSERT INTO emailuser (userid) VALUES ('x4')")), 1);
        QCOMPARE(DBExecute(QStringLiteral("INSERT INTO emailuser (userid) VALUES ('x5')")), 1);
        QCOMPARE(messages.count(), 2);
        QCOMPARE(m_db.value(QStringLiteral("SELECT COUNT(*) FROM emailuser")), QStringLiteral("5"));
        QFile::remove(log);
    }

    void sqlEscape()
    {
        QString value = QStringLiteral("O'Neil\\x");
        QCOMPARE(SQLEscape(value), QStringLiteral("O''Neil\\\\x"));
        QCOMPARE(value, QStringLiteral("O''Neil\\x"));
        QString withNul = QStringLiteral("ab") + QChar(0) + QStringLiteral("'cd");
        QCOMPARE(SQLEscape(withNul), QStringLiteral("ab"));
        // For LIKE a backslash is escaped twice over; wildcards stay.
        QCOMPARE(SQLEscapedLike(QStringLiteral("a\\b'%_")), QStringLiteral("a\\\\\\\\b''%_"));
    }

    void escapedValuesKeepTheirMeaning()
    {
        const QStringList hostile{QStringLiteral("O'Neil"), QStringLiteral("back\\slash'"),
                                  QStringLiteral("x' OR '1'='1"), QStringLiteral("a\\'; DROP TABLE emailuser; -- ")};
        for (const QString &v : hostile)
            DBExecute(QStringLiteral("INSERT INTO emailuser (userid, bigo) VALUES ('%1', 'memo')")
                          .arg(SQLEscaped(v.left(20))));
        QCOMPARE(DBCount(QStringLiteral("emailuser"), QString()), hostile.size());
        for (const QString &v : hostile)
            QCOMPARE(
                DBGetValue(
                    QStringLiteral("SELECT userid FROM emailuser WHERE userid = '%1'").arg(SQLEscaped(v.left(20)))),
                v.left(20).trimmed());
    }

    void checkDuplicate()
    {
        DBExecute(QStringLiteral("INSERT INTO emailuser (userid) VALUES ('O''Neil')"));
        MessageRecorder messages;
        QVERIFY(!CheckDuplicate(QStringLiteral("emailuser"), QStringLiteral("userid"), QStringLiteral("free"),
                                QString(), true, QStringLiteral("아이디"), QString()));
        QVERIFY(CheckDuplicate(QStringLiteral("emailuser"), QStringLiteral("userid"), QStringLiteral("O'Neil"),
                               QString(), false, QStringLiteral("아이디"), QString()));
        QCOMPARE(messages.count(), 0);

        messages.answerNext(MsgYes);
        QVERIFY(!CheckDuplicate(QStringLiteral("emailuser"), QStringLiteral("userid"), QStringLiteral("O'Neil"),
                                QString(), true, QStringLiteral("아이디"), QString()));
        QCOMPARE(messages.last().title, QStringLiteral("동일 아이디 발견"));
        QCOMPARE(messages.last().text,
                 QStringLiteral("『O''Neil』는 이미 등록된 아이디입니다.\r\n\r\n그래도, 등록하시겠습니까?"));
        QCOMPARE(messages.last().defaultAnswer, MsgNo);
        QVERIFY(CheckDuplicate(QStringLiteral("emailuser"), QStringLiteral("userid"), QStringLiteral("O'Neil"),
                               QString(), true, QStringLiteral("아이디"), QStringLiteral("shown")));
        QVERIFY(messages.last().text.startsWith(QStringLiteral("『shown』")));
    }

    void failedReadsNeverPassAsFreeOrCrash()
    {
        MessageRecorder messages;
        QCOMPARE(DBGetValue(QStringLiteral("SELECT nothing FROM no_such_table")), QString());
        QCOMPARE(DBCount(QStringLiteral("no_such_table"), QString()), -1);
        QVERIFY(CheckDuplicate(QStringLiteral("no_such_table"), QStringLiteral("userid"), QStringLiteral("x"),
                               QString(), true, QStringLiteral("아이디"), QString()));
        for (const MessageRequest &m : messages.messages())
            QVERIFY(m.text.startsWith(QStringLiteral("Error 1146 (")));
    }

    void transactionRollsBackUnlessCommitted()
    {
        {
            DBTransaction transaction;
            QVERIFY(transaction.started());
            DBExecute(QStringLiteral("INSERT INTO emailuser (userid) VALUES ('gone')"));
        }
        QCOMPARE(m_db.value(QStringLiteral("SELECT COUNT(*) FROM emailuser")), QStringLiteral("0"));
        {
            DBTransaction transaction;
            DBExecute(QStringLiteral("INSERT INTO emailuser (userid) VALUES ('kept')"));
            QCOMPARE(transaction.commit(), DBTransaction::Outcome::Committed);
        }
        QCOMPARE(m_db.value(QStringLiteral("SELECT userid FROM emailuser")), QStringLiteral("kept"));
    }

private:
    TestDatabase m_db;
    std::unique_ptr<TestWorkspace> m_workspace;
};

QTEST_MAIN(TestDBFunctions)
#include "TestDBFunctions.moc"
