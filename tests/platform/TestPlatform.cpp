#include "Cp949.h"
#include "EnterPressesButton.h"
#include "InstanceLock.h"
#include "ProfileFile.h"
#include "SettingsStore.h"
#include "TestWorkspace.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

// The layers that stand in for the platform.
class TestPlatform : public QObject {
    Q_OBJECT

private slots:
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
        f.write(Cp949::encode(QStringLiteral("; comment\r\n[Form]\r\nLeft = 120 \r\nCaption=\"고객\"\r\n\r\n[Other]\r\nLeft=5\r\n")));
        f.close();
        QCOMPARE(ProfileFile::read(path, QStringLiteral("form"), QStringLiteral("LEFT")), QStringLiteral("120"));
        QCOMPARE(ProfileFile::read(path, QStringLiteral("Form"), QStringLiteral("Caption")), QStringLiteral("고객"));
        QCOMPARE(ProfileFile::read(path, QStringLiteral("Form"), QStringLiteral("Top"), QStringLiteral("d")), QStringLiteral("d"));
        QCOMPARE(ProfileFile::read(path, QStringLiteral("Form"), QStringLiteral("Left"), QString(), 2), QStringLiteral("12"));

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
        QCOMPARE(ProfileFile::read(path, QStringLiteral("broken"), QStringLiteral("x"), QStringLiteral("def")), QStringLiteral("def"));
        QVERIFY(ProfileFile::write(path, QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("v")));
        QCOMPARE(ProfileFile::read(path, QStringLiteral("S"), QStringLiteral("k")), QStringLiteral("v"));
        // Bytes that are not CP949 belong to someone else: a write keeps them.
        QVERIFY(ws.readFile(QStringLiteral("bad.ini")).startsWith(QByteArray("\xff\xfe[\0\0garbage=\r\n", 15)));
    }

    void settingsStoreIsPrivateToTheUser()
    {
        TestWorkspace ws;
        SaveSetting(QStringLiteral("Quotadesk"), QStringLiteral("Config"), QStringLiteral("passwd"), QStringLiteral("secret"));
        QCOMPARE(GetSetting(QStringLiteral("Quotadesk"), QStringLiteral("Config"), QStringLiteral("passwd")), QStringLiteral("secret"));
        QCOMPARE(GetSetting(QStringLiteral("Quotadesk"), QStringLiteral("Config"), QStringLiteral("none"), QStringLiteral("0")), QStringLiteral("0"));
        const QFile::Permissions p = QFile::permissions(SettingsStore::fileFor(QStringLiteral("Quotadesk")));
        QVERIFY(p.testFlag(QFile::ReadOwner));
        QVERIFY(!p.testFlag(QFile::ReadGroup));
        QVERIFY(!p.testFlag(QFile::ReadOther));
        const QFile::Permissions folder =
            QFile::permissions(QFileInfo(SettingsStore::fileFor(QStringLiteral("Quotadesk"))).absolutePath());
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

    // Another process holds the lock: refused. That process dies without
    // letting go (killed, as in a crash): the next copy starts.
    void lockOfACrashedCopyIsTakenOver()
    {
        TestWorkspace ws;
        const QString folder = QFileInfo(ws.programFolder()).absolutePath() + QStringLiteral("/locks");
        QVERIFY(QDir().mkpath(folder));
        InstanceLock::redirect(folder);
        QProcess holder;
        holder.start(QStringLiteral(LOCK_HOLDER), {folder, QStringLiteral("Quotadesk")});
        QVERIFY(holder.waitForReadyRead(10000));
        QCOMPARE(holder.readLine().trimmed(), QByteArray("locked"));
        QVERIFY(!InstanceLock(QStringLiteral("Quotadesk")).acquired());

        holder.kill();
        QVERIFY(holder.waitForFinished(10000));
        QVERIFY(!QDir(folder).entryList(QDir::Files).isEmpty()); // the lock was left behind
        QVERIFY(InstanceLock(QStringLiteral("Quotadesk")).acquired());
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
