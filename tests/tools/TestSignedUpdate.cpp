#include "LocalHttpServer.h"
#include "ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// A deployer makes a key and signs a release with the scripts; a workstation
// with the programs as built takes it at start-up: the program refreshes the
// updater and the file changer, the updater fetches the new program, and the
// file changer swaps it in and starts it. Every step is a process of its own.
class TestSignedUpdate : public QObject {
    Q_OBJECT

private slots:
    void freshKeyPublishedAndTaken();

private:
    static QByteArray read(const QString &path);
    static void write(const QString &path, const QByteArray &content);
    static void runScript(const QString &script, const QStringList &arguments);
    QString path(const QString &name) const { return m_root.filePath(name); }

    QTemporaryDir m_root;
};

QByteArray TestSignedUpdate::read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestSignedUpdate::write(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

void TestSignedUpdate::runScript(const QString &script, const QStringList &arguments)
{
    QProcess run;
    run.setProcessChannelMode(QProcess::MergedChannels);
    run.start(QStringLiteral(SCRIPTS_PATH "/") + script, arguments);
    QVERIFY(run.waitForFinished(60000));
    QVERIFY2(run.exitStatus() == QProcess::NormalExit && run.exitCode() == 0, run.readAll().constData());
}

void TestSignedUpdate::freshKeyPublishedAndTaken()
{
    const QString program = ProgramFolder::programFileName(QStringLiteral("Quotadesk"));
    const QString updater = ProgramFolder::programFileName(QStringLiteral("AutoUpdateV1"));
    const QString changer = ProgramFolder::programFileName(QStringLiteral("filechanger"));
    runScript(QStringLiteral("update-key"), {path(QStringLiteral("key"))});
    const QString publicKey = QString::fromLatin1(read(path(QStringLiteral("key/update-key.pub")))).trimmed();

    // The release: a newer updater with the file changer, and a newer program.
    const QDir release(path(QStringLiteral("release")));
    QVERIFY(QDir().mkpath(release.path()));
    write(release.filePath(QStringLiteral("AutoUpdateV1_lastver.txt")),
          QByteArray::number(QD_UPDATER_REVISION + 1) + '\n');
    write(release.filePath(QStringLiteral("Quotadesk_lastver.txt")), QByteArray::number(QD_REVISION + 1) + '\n');
    QVERIFY(QFile::copy(QStringLiteral(UPDATER_PATH), release.filePath(updater)));
    QVERIFY(QFile::copy(QStringLiteral(CHANGER_PATH), release.filePath(changer)));
    QVERIFY(QFile::copy(QStringLiteral(FAKE_PROGRAM_PATH), release.filePath(program)));
    runScript(QStringLiteral("publish-update"), {release.path(), path(QStringLiteral("key/update-key.pem"))});

    LocalHttpServer server;
    QVERIFY2(server.isRunning(), "python3 -m http.server did not start");
    for (const QString &name : release.entryList(QDir::Files))
        server.publish(name, read(release.filePath(name)));

    // The workstation: the program alone in its folder, started as a user starts it.
    const QDir folder(path(QStringLiteral("program")));
    QVERIFY(QDir().mkpath(folder.path()));
    QVERIFY(QDir().mkpath(path(QStringLiteral("run"))));
    QFile::setPermissions(path(QStringLiteral("run")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(QFile::copy(QStringLiteral(PROGRAM_PATH), folder.filePath(program)));
    const QByteArray installed = read(folder.filePath(program));
    QProcess quotadesk;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QD_UPDATE_SERVER"), server.address());
    environment.insert(QStringLiteral("QD_UPDATE_KEY"), publicKey);
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), path(QStringLiteral("run")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), path(QStringLiteral("config")));
    quotadesk.setProcessEnvironment(environment);
    quotadesk.start(folder.filePath(program));
    QVERIFY(quotadesk.waitForFinished(120000));
    QVERIFY2(quotadesk.exitCode() == 0, quotadesk.readAllStandardError().right(3000).constData());

    // The file changer runs on after the program ended and starts the new one.
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(folder.filePath(QStringLiteral("started.txt"))), 60000);
    QCOMPARE(read(folder.filePath(program)), read(release.filePath(program)));
    QCOMPARE(read(folder.filePath(program + QStringLiteral(".bak"))), installed);
    QCOMPARE(read(folder.filePath(updater)), read(release.filePath(updater)));
    QCOMPARE(read(folder.filePath(changer)), read(release.filePath(changer)));
    QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("update.log")))); // nothing was refused
}

QTEST_MAIN(TestSignedUpdate)
#include "TestSignedUpdate.moc"
