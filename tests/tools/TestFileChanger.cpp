#include "FileSwap.h"
#include "InstanceLock.h"
#include "ProgramFolder.h"
#include "SwapOrder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

// The built file changer, run as a process in a temporary program folder with a
// stand-in program that notes each start.
class TestFileChanger : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void parseOrder_data();
    void parseOrder();
    void swapAndRestart();
    void waitsUntilProgramEnds();
    void keepsOldProgram_data();
    void keepsOldProgram();

private:
    QString file(const QString &name) const { return m_folder->filePath(name); }
    QByteArray read(const QString &name) const;
    void write(const QString &name, const QByteArray &content) const;
    QByteArray program(const QByteArray &tag) const;
    void startChanger(QProcess &process) const;
    int starts() const;

    std::unique_ptr<QTemporaryDir> m_folder;
    QString m_programFile;
    QString m_newFile;
};

void TestFileChanger::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QDir().mkpath(file(QStringLiteral("locks")));
    // Private, as a runtime folder must be.
    QFile::setPermissions(file(QStringLiteral("locks")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_programFile = ProgramFolder::programFileName(QStringLiteral("Quotadesk"));
    m_newFile = QStringLiteral("New_") + m_programFile;
    QVERIFY(
        QFile::copy(QStringLiteral(CHANGER_PATH), file(ProgramFolder::programFileName(QStringLiteral("filechanger")))));
    write(m_programFile, program("OLD"));
    QFile::setPermissions(file(m_programFile), QFile::permissions(file(m_programFile)) | QFile::ExeOwner);
}

void TestFileChanger::cleanup()
{
    InstanceLock::redirect(QString());
    m_folder.reset();
}

QByteArray TestFileChanger::read(const QString &name) const
{
    QFile f(file(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void TestFileChanger::write(const QString &name, const QByteArray &content) const
{
    QFile f(file(name));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
}

// The stand-in program with a tag appended, so the copies differ but all run.
QByteArray TestFileChanger::program(const QByteArray &tag) const
{
    QFile f(QStringLiteral(FAKE_PROGRAM_PATH));
    return f.open(QIODevice::ReadOnly) ? f.readAll() + tag : QByteArray();
}

void TestFileChanger::startChanger(QProcess &process) const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), file(QStringLiteral("locks"))); // its lock folder
    process.setProcessEnvironment(environment);
    process.start(file(ProgramFolder::programFileName(QStringLiteral("filechanger"))),
                  {m_programFile + QLatin1Char(';') + m_newFile});
}

int TestFileChanger::starts() const { return static_cast<int>(read(QStringLiteral("started.txt")).count("started\n")); }

void TestFileChanger::parseOrder_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("valid");
    QTest::newRow("program and new file") << QStringList{"Quotadesk.exe;New_Quotadesk.exe"} << true;
    QTest::newRow("one name only") << QStringList{"Quotadesk.exe"} << false;
    QTest::newRow("three names") << QStringList{"a;b;c"} << false;
    QTest::newRow("same file twice") << QStringList{"Quotadesk;quotadesk"} << false;
    QTest::newRow("file in another folder") << QStringList{"Quotadesk;../New_Quotadesk"} << false;
    QTest::newRow("absolute path") << QStringList{"/bin/sh;New_Quotadesk"} << false;
}

void TestFileChanger::parseOrder()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, valid);
    QCOMPARE(SwapOrder::parse(arguments).has_value(), valid);
}

void TestFileChanger::swapAndRestart()
{
    write(m_newFile, program("NEW"));
    QProcess changer;
    startChanger(changer);
    QVERIFY(changer.waitForFinished(30000));
    QCOMPARE(changer.exitCode(), int(FileSwap::Swapped));

    QCOMPARE(read(m_programFile), program("NEW"));
    QCOMPARE(read(FileSwap::backupName(m_programFile)), program("OLD"));
    QVERIFY(!QFile::exists(file(m_newFile)));
    QVERIFY(QFileInfo(file(m_programFile)).isExecutable());
    QTRY_COMPARE(starts(), 1);
}

void TestFileChanger::waitsUntilProgramEnds()
{
    write(m_newFile, program("NEW"));
    InstanceLock::redirect(file(QStringLiteral("locks")));
    auto running = std::make_unique<InstanceLock>(QStringLiteral("Quotadesk"));
    QVERIFY(running->acquired());

    QProcess changer;
    startChanger(changer);
    QVERIFY(!changer.waitForFinished(1500));
    QCOMPARE(read(m_programFile), program("OLD")); // untouched while the program runs
    QCOMPARE(starts(), 0);

    running.reset(); // the program ends
    QVERIFY(changer.waitForFinished(30000));
    QCOMPARE(changer.exitCode(), int(FileSwap::Swapped));
    QCOMPARE(read(m_programFile), program("NEW"));
    QTRY_COMPARE(starts(), 1);
}

void TestFileChanger::keepsOldProgram_data()
{
    QTest::addColumn<QByteArray>("newContent"); // null: no new file
    QTest::newRow("new file missing") << QByteArray();
    QTest::newRow("new file is not a program") << QByteArray("<html>502 Bad Gateway</html>");
    QTest::newRow("new file does not start") << QByteArray("\x7fQDVR:FileVersion=1.00.0028\0 no program", 40);
}

void TestFileChanger::keepsOldProgram()
{
    QFETCH(QByteArray, newContent);
    if (!newContent.isNull())
        write(m_newFile, newContent);
    QProcess changer;
    startChanger(changer);
    QVERIFY(changer.waitForFinished(30000));
    QCOMPARE(changer.exitCode(), int(FileSwap::KeptOld));

    QCOMPARE(read(m_programFile), program("OLD"));
    QVERIFY(QFileInfo(file(m_programFile)).isExecutable());
    QVERIFY(!QFile::exists(file(m_newFile))); // the next start does not come back here
    QVERIFY(!QFile::exists(file(FileSwap::backupName(m_programFile))));
    QVERIFY(!read(QStringLiteral("filechanger.log")).isEmpty());
    QTRY_COMPARE(starts(), 1); // the current program runs on
}

QTEST_MAIN(TestFileChanger)
#include "TestFileChanger.moc"
