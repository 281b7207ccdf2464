#include "Cp949.h"
#include "DataFolder.h"
#include "EnterPressesButton.h"
#include "InstanceLock.h"
#include "Launcher.h"
#include "NetworkAdapters.h"
#include "ProfileFile.h"
#include "ProgramFolder.h"
#include "SettingsStore.h"
#include "TestWorkspace.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSet>
#include <QVBoxLayout>
#include <QtTest>

#include <algorithm>
#include <ifaddrs.h>
#include <net/if.h>

namespace {

// One value of an adapter in /sys/class/net, trimmed.
QString sysValue(const QString &adapter, const char *field)
{
    QFile file(QStringLiteral("/sys/class/net/") + adapter + QLatin1Char('/') + QLatin1String(field));
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()).trimmed() : QString();
}

// Names of the adapters that hold an IPv4 or IPv6 address.
QSet<QString> adaptersWithIpAddress()
{
    QSet<QString> names;
    ifaddrs *list = nullptr;
    if (getifaddrs(&list) != 0)
        return names;
    for (const ifaddrs *entry = list; entry; entry = entry->ifa_next) {
        if (entry->ifa_addr && (entry->ifa_addr->sa_family == AF_INET || entry->ifa_addr->sa_family == AF_INET6))
            names.insert(QString::fromLocal8Bit(entry->ifa_name));
    }
    freeifaddrs(list);
    return names;
}

} // namespace

// The layers that stand in for the platform.
class TestPlatform : public QObject {
    Q_OBJECT

private slots:
    void desktopAssociationDecidesOpening_data()
    {
        QTest::addColumn<QString>("answer"); // of the desktop's association query
        QTest::addColumn<bool>("program");
        QTest::newRow("no program") << QString() << false;
        QTest::newRow("a spreadsheet program") << QStringLiteral("calc.desktop") << true;
    }

    // The desktop's opener reports nothing when no program takes the file's
    // type, so the association is asked first.
    void desktopAssociationDecidesOpening()
    {
        QFETCH(QString, answer);
        QFETCH(bool, program);
        TestWorkspace ws;
        const QString bin = ws.file(QStringLiteral("bin"));
        QVERIFY(QDir().mkpath(bin));
        QFile query(bin + QStringLiteral("/xdg-mime"));
        QVERIFY(query.open(QIODevice::WriteOnly));
        query.write(QStringLiteral("#!/bin/sh\necho '%1'\n").arg(answer).toUtf8());
        query.close();
        query.setPermissions(query.permissions() | QFileDevice::ExeOwner);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", bin.toLocal8Bit() + ':' + path);
        const bool found = Launcher::hasProgramFor(ws.file(QStringLiteral("Exp110523_142501.xlsx")));
        qputenv("PATH", path);
        QCOMPARE(found, program);
    }

    void cp949ByteLengthsAndCuts()
    {
        QCOMPARE(Cp949::byteLength(QStringLiteral("a가b")), 4);
        QCOMPARE(Cp949::leftBytes(QStringLiteral("가나다"), 5), QStringLiteral("가나"));
        QCOMPARE(Cp949::leftBytes(QStringLiteral("a가"), 2), QStringLiteral("a"));
        QCOMPARE(Cp949::codeOf(QChar(u'가')), 0xB0A1);
        QCOMPARE(Cp949::codeOf(QChar(u'똠')), 0x8C63);
        QVERIFY(!Cp949::canEncode(QStringLiteral("€ 😀")));
        QCOMPARE(Cp949::decode(Cp949::encode(QStringLiteral("똠방각하 ok"))), QStringLiteral("똠방각하 ok"));
        QCOMPARE(Cp949::decode(QByteArray("ab\xB0", 3)), QStringLiteral("ab") + QChar(QChar::ReplacementCharacter));
    }

    void profileFileReadsWindowsStyleFiles()
    {
        TestWorkspace ws;
        const QString path = ws.file(QStringLiteral("layout.ini"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(Cp949::encode(
            QStringLiteral("; comment\r\n[Form]\r\nLeft = 120 \r\nCaption=\"고객\"\r\n\r\n[Other]\r\nLeft=5\r\n")));
        f.close();
        QCOMPARE(ProfileFile::read(path, QStringLiteral("form"), QStringLiteral("LEFT")), QStringLiteral("120"));
        QCOMPARE(ProfileFile::read(path, QStringLiteral("Form"), QStringLiteral("Caption")), QStringLiteral("고객"));
        QCOMPARE(ProfileFile::read(path, QStringLiteral("Form"), QStringLiteral("Top"), QStringLiteral("d")),
                 QStringLiteral("d"));
        QCOMPARE(ProfileFile::read(path, QStringLiteral("Form"), QStringLiteral("Left"), QString(), 2),
                 QStringLiteral("12"));

        QVERIFY(ProfileFile::write(path, QStringLiteral("FORM"), QStringLiteral("left"), QStringLiteral("7")));
        QVERIFY(ProfileFile::write(path, QStringLiteral("Form"), QStringLiteral("Top"), QStringLiteral("8")));
        QVERIFY(ProfileFile::write(path, QStringLiteral("New"), QStringLiteral("K"), QStringLiteral("한")));
        QCOMPARE(ProfileFile::read(path, QStringLiteral("Form"), QStringLiteral("Left")), QStringLiteral("7"));
        QCOMPARE(ProfileFile::read(path, QStringLiteral("Form"), QStringLiteral("Top")), QStringLiteral("8"));
        QCOMPARE(ProfileFile::read(path, QStringLiteral("Other"), QStringLiteral("Left")), QStringLiteral("5"));
        QCOMPARE(ProfileFile::read(path, QStringLiteral("New"), QStringLiteral("K")), QStringLiteral("한"));
        QVERIFY(ws.readFile(QStringLiteral("layout.ini")).contains(Cp949::encode(QStringLiteral("K=한\r\n"))));
    }

    void damagedProfileFileReadsAsEmpty()
    {
        TestWorkspace ws;
        const QString path = ws.file(QStringLiteral("bad.ini"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("\xff\xfe[\0\0garbage=\n[broken\n=x\n", 24));
        f.close();
        QCOMPARE(ProfileFile::read(path, QStringLiteral("broken"), QStringLiteral("x"), QStringLiteral("def")),
                 QStringLiteral("def"));
        QVERIFY(ProfileFile::write(path, QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("v")));
        QCOMPARE(ProfileFile::read(path, QStringLiteral("S"), QStringLiteral("k")), QStringLiteral("v"));
        // Bytes that are not CP949 belong to someone else: a write keeps them.
        QVERIFY(ws.readFile(QStringLiteral("bad.ini")).startsWith(QByteArray("\xff\xfe[\0\0garbage=\r\n", 15)));
    }

    void settingsStoreIsPrivateToTheUser()
    {
        TestWorkspace ws;
        SaveSetting(QStringLiteral("Quotadesk"), QStringLiteral("Config"), QStringLiteral("passwd"),
                    QStringLiteral("secret"));
        QCOMPARE(GetSetting(QStringLiteral("Quotadesk"), QStringLiteral("Config"), QStringLiteral("passwd")),
                 QStringLiteral("secret"));
        QCOMPARE(GetSetting(QStringLiteral("Quotadesk"), QStringLiteral("Config"), QStringLiteral("none"),
                            QStringLiteral("0")),
                 QStringLiteral("0"));
        const QFile::Permissions p = QFile::permissions(SettingsStore::fileFor(QStringLiteral("Quotadesk")));
        QVERIFY(p.testFlag(QFile::ReadOwner));
        QVERIFY(!p.testFlag(QFile::ReadGroup));
        QVERIFY(!p.testFlag(QFile::ReadOther));
        const QFile::Permissions folder = QFile::permissions(
            QFileInfo(SettingsStore::fileFor(QStringLiteral("Quotadesk"))).absolutePath());
        QVERIFY(!folder.testFlag(QFile::ReadGroup) && !folder.testFlag(QFile::ExeOther));
    }

    void secondCopyIsRefusedUntilTheFirstEnds()
    {
        TestWorkspace ws;
        auto first = std::make_unique<InstanceLock>(QStringLiteral("Quotadesk"));
        QVERIFY(first->acquired());
        InstanceLock second(QStringLiteral("Quotadesk"));
        QVERIFY(!second.acquired());
        InstanceLock other(QStringLiteral("Another"));
        QVERIFY(other.acquired());
        first.reset();
        InstanceLock third(QStringLiteral("Quotadesk"));
        QVERIFY(third.acquired());
    }

    // A user's runtime folder (XDG_RUNTIME_DIR), private as the platform makes it.
    static QString runtimeFolder(const TestWorkspace &ws, const QString &user)
    {
        const QString folder = QFileInfo(ws.programFolder()).absolutePath() + QStringLiteral("/run-") + user;
        QDir().mkpath(folder);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return folder;
    }

    // A copy of the program run by one user, in that user's environment.
    static void startCopy(QProcess &copy, const QString &runtime)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        copy.setProcessEnvironment(environment);
        copy.start(QStringLiteral(LOCK_HOLDER), {QStringLiteral("Quotadesk")});
    }

    static QByteArray answerOf(QProcess &copy)
    {
        return copy.waitForReadyRead(10000) ? copy.readLine().trimmed() : QByteArray("no answer");
    }

    // Two users on one machine each run their copy; the lock lives in each
    // user's runtime folder, not in the shared temporary folder.
    void copiesOfTwoUsersRunSideBySide()
    {
        TestWorkspace ws;
        const QString first = runtimeFolder(ws, QStringLiteral("first")),
                      second = runtimeFolder(ws, QStringLiteral("second"));
        QProcess firstCopy, secondCopy, firstAgain;
        startCopy(firstCopy, first);
        QCOMPARE(answerOf(firstCopy), QByteArray("locked"));
        startCopy(secondCopy, second);
        QCOMPARE(answerOf(secondCopy), QByteArray("locked"));
        startCopy(firstAgain, first);
        QCOMPARE(answerOf(firstAgain), QByteArray("refused"));
        QVERIFY(firstAgain.waitForFinished(10000));
        QVERIFY(!QDir(first).entryList(QDir::Files).isEmpty());
        QVERIFY(!QDir(second).entryList(QDir::Files).isEmpty());
        firstCopy.kill();
        secondCopy.kill();
        firstCopy.waitForFinished(10000);
        secondCopy.waitForFinished(10000);
    }

    // Another process holds the lock: refused. That process dies without
    // letting go (killed, as in a crash): the next copy starts.
    void lockOfACrashedCopyIsTakenOver()
    {
        TestWorkspace ws;
        const QString runtime = runtimeFolder(ws, QStringLiteral("user"));
        QProcess holder;
        startCopy(holder, runtime);
        QCOMPARE(answerOf(holder), QByteArray("locked"));
        QProcess second;
        startCopy(second, runtime);
        QCOMPARE(answerOf(second), QByteArray("refused"));
        QVERIFY(second.waitForFinished(10000));

        holder.kill();
        QVERIFY(holder.waitForFinished(10000));
        QVERIFY(!QDir(runtime).entryList(QDir::Files).isEmpty()); // the lock was left behind
        QProcess next;
        startCopy(next, runtime);
        QCOMPARE(answerOf(next), QByteArray("locked"));
        next.kill();
        next.waitForFinished(10000);
    }

    // A program folder that cannot be written (an installed package): the
    // program's own files go to the user's data folder; a writable one keeps them.
    void dataFolderFollowsTheProgramFolder()
    {
        TestWorkspace ws;
        QCOMPARE(DataFolder::path(), ws.programFolder());
        QCOMPARE(DataFolder::file(QStringLiteral("config.ini")), ws.programFolder() + QStringLiteral("/config.ini"));

        const QString userData = QFileInfo(ws.programFolder()).absolutePath() + QStringLiteral("/data");
        const QByteArray before = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", userData.toLocal8Bit());
        ProgramFolder::redirect(QStringLiteral("/proc")); // no one may create files there, root neither
        QVERIFY(!ProgramFolder::isWritable());
        QCOMPARE(DataFolder::path(), userData + QStringLiteral("/Quotadesk"));
        QVERIFY(QFileInfo(userData + QStringLiteral("/Quotadesk")).isDir());
        qputenv("XDG_DATA_HOME", before);
    }

    // The real adapter list, as the program reads it, against the kernel's own
    // account: the first adapter (in index order) that is up, not loopback and
    // holds an IP address, as /sys/class/net and getifaddrs show it.
    void realAdapterLookupMatchesTheKernel()
    {
        NetworkAdapters::override(QString());
        QDir net(QStringLiteral("/sys/class/net"));
        if (!net.exists())
            QSKIP("this machine has no /sys/class/net");
        QList<std::pair<int, QString>> byIndex;
        for (const QString &name : net.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System))
            byIndex.append({sysValue(name, "ifindex").toInt(), name});
        std::sort(byIndex.begin(), byIndex.end());
        const QSet<QString> addressed = adaptersWithIpAddress();
        QString expected;
        for (const auto &[index, name] : byIndex) {
            const uint flags = sysValue(name, "flags").toUInt(nullptr, 16);
            const QString address = sysValue(name, "address").toUpper();
            if ((flags & IFF_LOOPBACK) || !(flags & IFF_UP) || !addressed.contains(name) || address.isEmpty()
                || address == QLatin1String("00:00:00:00:00:00"))
                continue;
            expected = address;
            break;
        }
        if (expected.isEmpty())
            QSKIP("no adapter of this machine is up with an address");
        QCOMPARE(NetworkAdapters::firstAddress(), expected);
    }

    void enterPressesTheFocusedButtonOnly()
    {
        QDialog window;
        auto *field = new QLineEdit(&window);
        auto *save = new QPushButton(QStringLiteral("저장"), &window);
        auto *other = new QPushButton(QStringLiteral("닫기"), &window);
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(field);
        layout->addWidget(save);
        layout->addWidget(other);
        PressButtonsOnEnter(&window);
        int saves = 0, others = 0;
        connect(save, &QPushButton::clicked, [&] { ++saves; });
        connect(other, &QPushButton::clicked, [&] { ++others; });
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        field->setFocus();
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(saves + others, 0); // Enter in a field is no default button
        save->setFocus();
        QTest::keyClick(save, Qt::Key_Return);
        QTest::keyClick(save, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(saves, 2);
        QTest::keyClick(save, Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(saves, 2);
        save->setEnabled(false);
        other->setFocus();
        QTest::keyClick(other, Qt::Key_Return);
        QCOMPARE(others, 1);
        QCOMPARE(saves, 2);
    }
};

QTEST_MAIN(TestPlatform)
#include "TestPlatform.moc"
