#include "InstanceLock.h"
#include "MessageRecorder.h"
#include "ModMain.h"
#include "ProgramFolder.h"
#include "SettingsStore.h"
#include "ShellUtils.h"
#include "TestDatabase.h"
#include "TestWorkspace.h"
#include "modMySQL_Func.h"

#include <QtTest>

// The start-up order: refusal of a second copy, the database, the login.
class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_workspace = std::make_unique<TestWorkspace>();
        m_calls.clear();
        g_bFormStyle = false;
    }
    void cleanup()
    {
        g_DB[0].reset();
        m_workspace.reset();
    }

    void secondCopyIsRefusedBeforeAnythingElse()
    {
        InstanceLock running(ProgramFolder::executableBaseName());
        QVERIFY(running.acquired());
        MessageRecorder messages;
        PointProgramAtTestDatabase();
        QVERIFY(!Main(steps(true)));
        QCOMPARE(messages.texts(), QStringList{"이미 프로그램이 실행 중입니다."});
        QCOMPARE(messages.last().title, QStringLiteral("Quotadesk"));
        QVERIFY(m_calls.isEmpty());
        QVERIFY(!g_DB[0]);
    }

    void unreachableServerShowsBothMessagesAndEnds()
    {
        SaveSetting(QStringLiteral("Tallow 업무관리"), QStringLiteral("Config"), QStringLiteral("DB_IP"),
                    QStringLiteral("127.0.0.1:1"));
        MessageRecorder messages;
        QVERIFY(!Main(steps(true)));
        QCOMPARE(messages.count(), 2);
        QVERIFY(messages.messages()[0].text.contains(QStringLiteral("인터넷이 연결되어 있는지 확인 해 주세요.")));
        QCOMPARE(messages.messages()[1].text, QStringLiteral("프로그램 초기화에 실패하여 종료합니다."));
        QCOMPARE(m_calls, (QStringList{"create print", "release print"}));
        QVERIFY(!g_bFormStyle);
    }

    void loginDecidesWhetherTheMainWindowOpens()
    {
        PointProgramAtTestDatabase();
        MessageRecorder messages;
        QVERIFY(!Main(steps(false)));
        QCOMPARE(m_calls, (QStringList{"create print", "login", "release print"}));
        QVERIFY(g_bFormStyle);
        m_calls.clear();
        QVERIFY(Main(steps(true)));
        QCOMPARE(m_calls, (QStringList{"create print", "login", "main window"}));
        QCOMPARE(messages.count(), 0);
        DestroyApp(); // frees the instance lock for the next start
    }

private:
    StartupSteps steps(bool loginSucceeds)
    {
        StartupSteps s;
        s.createPrintObject = [this] { m_calls << QStringLiteral("create print"); };
        s.releasePrintObject = [this] { m_calls << QStringLiteral("release print"); };
        s.logIn = [this, loginSucceeds] {
            m_calls << QStringLiteral("login");
            return loginSucceeds;
        };
        s.showMainWindow = [this] { m_calls << QStringLiteral("main window"); };
        return s;
    }

    std::unique_ptr<TestWorkspace> m_workspace;
    QStringList m_calls;
};

QTEST_MAIN(TestStartup)
#include "TestStartup.moc"
