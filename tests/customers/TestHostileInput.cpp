#include "Cp949.h"
#include "CustomerFixture.h"
#include "FrmFill_Save.h"
#include "FrmMain.h"
#include "FrmUser_Add.h"
#include "Frmlogin.h"
#include "HCText.h"
#include "LabelledFields.h"
#include "ProgramExit.h"
#include "SpreadGrid.h"
#include "WindowParts.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

// Every field whose text reaches a statement, fed hostile text the way an
// operator could: pasted into the box. No statement may break or change its
// meaning, and nothing but the intended row may change.
namespace {

struct Hostile {
    const char *name;
    QString value;
};

const QList<Hostile> &hostileValues()
{
    static const QList<Hostile> values{
        {"quotes", QStringLiteral("O'Neil's \"shop\"")},
        {"backslash before quote", QStringLiteral("\\'; DELETE FROM emailuser; -- ")},
        {"NUL", QString::fromUtf16(u"a\0b", 3)},
        {"wildcards", QStringLiteral("%_%")},
        {"comment markers", QStringLiteral("x/* y */ # z -- w")},
        {"very long", QString(5000, QLatin1Char('x'))},
        {"hangul beyond the byte limit", QString(120, QChar(0xAC00))},
        {"outside CP949", QStringLiteral("😀 é ｶ 똠")},
    };
    return values;
}

void addHostileRows()
{
    QTest::addColumn<QString>("value");
    for (const Hostile &h : hostileValues())
        QTest::newRow(h.name) << h.value;
}

void paste(QLineEdit *box, const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
}

// What a CP949 text box may keep of a text: up to a NUL, characters outside
// the code page as "?", and no more than maxBytes bytes.
QString keptText(const QString &text, int maxBytes)
{
    QString kept;
    int bytes = 0;
    for (qsizetype i = 0; i < text.size() && text.at(i) != QChar(0); ++i) {
        QString one = text.mid(i, text.at(i).isHighSurrogate() ? 2 : 1);
        i += one.size() - 1;
        if (!Cp949::canEncode(one))
            one = QStringLiteral("?");
        const int size = one.at(0).unicode() < 0x80 ? 1 : 2;
        if (bytes + size > maxBytes)
            break;
        bytes += size;
        kept += one;
    }
    return kept;
}

QString cp949Hex(const QString &text) { return QString::fromLatin1(Cp949::encode(text).toHex().toUpper()); }

} // namespace

class TestHostileInput : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_fixture = std::make_unique<CustomerFixture>();
        m_keptCode = m_fixture->addCustomer("keep", "그대로", "010-0000-0000", 7);
        m_keptRow = keptRow();
    }
    void cleanup()
    {
        QCOMPARE(keptRow(), m_keptRow);
        m_fixture.reset();
    }

    void registrationStoresExactlyWhatTheFieldShows_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("column");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("value");
        struct Field {
            int index;
            const char *name;
            const char *column;
            int limit;
        };
        const Field fields[] = {{FrmUser_Add::FieldName, "trade name", "username", 30},
                                {FrmUser_Add::FieldId, "ID", "userid", 20},
                                {FrmUser_Add::FieldPw, "password", "userpw", 20},
                                {FrmUser_Add::FieldPhone, "telephone", "hpno", 15},
                                {FrmUser_Add::FieldMemo, "memo", "bigo", 200}};
        for (const Field &f : fields)
            for (const Hostile &h : hostileValues())
                QTest::addRow("%s: %s", f.name, h.name)
                    << f.index << QString::fromLatin1(f.column) << f.limit << h.value;
    }
    void registrationStoresExactlyWhatTheFieldShows()
    {
        QFETCH(int, field);
        QFETCH(QString, column);
        QFETCH(int, limit);
        QFETCH(QString, value);
        FrmUser_Add add;
        add.SetFormMode(FrmUser_Add::Mode::New, nullptr, 0);
        add.show();
        part<HCText>(add, "htField", FrmUser_Add::FieldName)->setText(QStringLiteral("상호"));
        part<HCText>(add, "htField", FrmUser_Add::FieldId)->setText(QStringLiteral("newid"));
        part<HCText>(add, "htField", FrmUser_Add::FieldPw)->setText(QStringLiteral("pw"));
        paste(part<HCText>(add, "htField", field)->txtBox(), value);
        const QString shown = part<HCText>(add, "htField", field)->text();
        QCOMPARE(shown, keptText(value, limit));

        QTest::mouseClick(part<QPushButton>(add, "btnSave"), Qt::LeftButton);
        QCOMPARE(m_fixture->messages->count(), 0);
        QCOMPARE(m_fixture->db.value(QStringLiteral("SELECT COUNT(*) FROM emailuser")), QStringLiteral("2"));
        QCOMPARE(
            m_fixture->db.value(QStringLiteral("SELECT HEX(CONVERT(%1 USING euckr)) FROM emailuser WHERE code <> %2")
                                    .arg(column)
                                    .arg(m_keptCode)),
            cp949Hex(shown));
    }

    void topUpMemoIsStoredAsShown_data() { addHostileRows(); }
    void topUpMemoIsStoredAsShown()
    {
        QFETCH(QString, value);
        const int code = m_fixture->addCustomer("cust", "손님", QString(), 10);
        FrmFill_Save fill;
        fill.SetFormMode(code, QStringLiteral("손님"), QStringLiteral("cust"), FrmFill_Save::Mode::New, nullptr, 0);
        fill.show();
        part<HCText>(fill, "htField", FrmFill_Save::FieldCount)->setText(QStringLiteral("5"));
        paste(part<HCText>(fill, "htField", FrmFill_Save::FieldMemo)->txtBox(), value);
        const QString shown = part<HCText>(fill, "htField", FrmFill_Save::FieldMemo)->text();
        QCOMPARE(shown, keptText(value, 200));
        QTest::mouseClick(part<QPushButton>(fill, "btnSave"), Qt::LeftButton);
        QCOMPARE(m_fixture->messages->count(), 0);
        QCOMPARE(m_fixture->db.value(QStringLiteral("SELECT HEX(CONVERT(bigo USING euckr)) FROM emaillog")),
                 cp949Hex(shown));
        QCOMPARE(m_fixture->db.value(QStringLiteral("SELECT COUNT(*) FROM emaillog")), QStringLiteral("1"));
        QCOMPARE(m_fixture->db.value(QStringLiteral("SELECT restcnt FROM emailuser WHERE code = %1").arg(code)),
                 QStringLiteral("15"));
    }

    // Quotes, backslashes and markers are matched as text; "%" and "_" are the
    // search's wildcards.
    void searchMatchesTheTextLiterally_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("quotes") << QStringLiteral("O'Neil's") << QStringList{"O'Neil's \"shop\""};
        QTest::newRow("backslash before quote") << QStringLiteral("a\\b' --") << QStringList{"a\\b' -- x"};
        QTest::newRow("text ends at NUL") << QString::fromUtf16(u"a\0b", 3) << QStringList{"a\\b' -- x"};
        QTest::newRow("wildcards") << QStringLiteral("%_%")
                                   << QStringList{"O'Neil's \"shop\"", "a\\b' -- x", "그대로", "백%할인"};
        QTest::newRow("percent as wildcard") << QStringLiteral("백%인") << QStringList{"백%할인"};
        QTest::newRow("comment markers") << QStringLiteral("/* -- #") << QStringList{};
        QTest::newRow("very long") << QString(5000, QLatin1Char('x')) << QStringList{};
        QTest::newRow("hangul") << QString(120, QChar(0xAC00)) << QStringList{};
        QTest::newRow("outside CP949") << QStringLiteral("😀") << QStringList{};
    }
    void searchMatchesTheTextLiterally()
    {
        QFETCH(QString, value);
        QFETCH(QStringList, names);
        m_fixture->addCustomer("oneil", "O''Neil''s \"shop\"");
        m_fixture->addCustomer("back", "a\\\\b'' -- x");
        m_fixture->addCustomer("pct", "백%할인");
        FrmMain main;
        HCText *htFind = part<HCText>(main, "htFind");
        SpreadGrid *spList = part<SpreadGrid>(main, "spList");
        main.show();
        paste(htFind->txtBox(), value);
        QTest::keyClick(htFind->txtBox(), Qt::Key_F5);
        QCOMPARE(m_fixture->messages->count(), 0);
        QStringList listed;
        for (int row = 1; row <= spList->MaxRows(); ++row)
            listed << spList->text(FrmMain::ColName, row);
        listed.sort();
        names.sort();
        QCOMPARE(listed, names);
    }

    void loginRefusesHostilePasswords_data() { addHostileRows(); }
    void loginRefusesHostilePasswords()
    {
        QFETCH(QString, value);
        ProgramExit::setHandler([](int) {});
        m_fixture->db.exec(QStringLiteral("INSERT INTO user_mac VALUES ('clerk', '001A2B3C4D5E', 0)"));
        CustomerFixture::setServerTime(QStringLiteral("2011-05-23 10:00:00"));
        const QString operatorsBefore = operators();
        Frmlogin login;
        login.show();
        QTRY_COMPARE(part<QLineEdit>(login, "txtUserName")->text(), QStringLiteral("clerk"));
        paste(part<QLineEdit>(login, "txtPassword"), value);
        QTest::mouseClick(part<QPushButton>(login, "cmdOK"), Qt::LeftButton);
        ProgramExit::setHandler({});
        QVERIFY(!login.LoginSucceeded);
        QCOMPARE(m_fixture->messages->count(), 1);
        QCOMPARE(m_fixture->messages->last().text,
                 QStringLiteral(
                     "개발자 및 퇴사자는 로그인 할 수 없습니다.\r\n\r\n혹은 암호가 잘못되었습니다. 다시 시도하십시오"));
        QCOMPARE(operators(), operatorsBefore);
    }

    // The login ID is the one bound to the workstation, so a hostile one comes
    // from the operator table: it must log in and be recorded exactly.
    void hostileOperatorIdIsRecordedExactly()
    {
        ProgramExit::setHandler([](int) {});
        m_fixture->db.exec(QStringLiteral("INSERT INTO `user` (`id`, `password`, `name`, `level`, `hidden`, sale_user) "
                                          "VALUES ('q''\\\\; --', 'p%_', '이상한', 0, 0, 1)"));
        m_fixture->db.exec(QStringLiteral("INSERT INTO user_mac VALUES ('q''\\\\; --', '001A2B3C4D5E', 0)"));
        CustomerFixture::setServerTime(QStringLiteral("2011-05-23 10:00:00"));
        Frmlogin login;
        QLineEdit *txtPassword = part<QLineEdit>(login, "txtPassword");
        QPushButton *cmdOK = part<QPushButton>(login, "cmdOK");
        login.show();
        QTRY_COMPARE(part<QLineEdit>(login, "txtUserName")->text(), QStringLiteral("q'\\; --"));
        paste(txtPassword, QStringLiteral("p%"));
        QTest::mouseClick(cmdOK, Qt::LeftButton);
        QVERIFY(!login.LoginSucceeded); // "%" is no wildcard in a password
        paste(txtPassword, QStringLiteral("p%_"));
        QTest::mouseClick(cmdOK, Qt::LeftButton);
        ProgramExit::setHandler({});
        QVERIFY(login.LoginSucceeded);

        const int code = m_fixture->addCustomer("cust", "손님");
        FrmFill_Save fill;
        fill.SetFormMode(code, QStringLiteral("손님"), QStringLiteral("cust"), FrmFill_Save::Mode::New, nullptr, 0);
        part<HCText>(fill, "htField", FrmFill_Save::FieldCount)->setText(QStringLiteral("3"));
        QTest::mouseClick(part<QPushButton>(fill, "btnSave"), Qt::LeftButton);
        QCOMPARE(m_fixture->db.value(QStringLiteral("SELECT CONCAT(recuserid, '|', recusername) FROM emaillog")),
                 QStringLiteral("q'\\; --|이상한"));
    }

private:
    QString keptRow() const
    {
        return m_fixture->db.value(QStringLiteral("SELECT HEX(CONCAT_WS('|', code, userid, userpw, username, restcnt, "
                                                  "regdate, bigo, hpno, reguser)) FROM emailuser WHERE code = %1")
                                       .arg(m_keptCode));
    }
    QString operators() const
    {
        return m_fixture->db.value(QStringLiteral("SELECT GROUP_CONCAT(CONCAT_WS('|', id, password, name, level) "
                                                  "ORDER BY id) FROM `user`"));
    }

    std::unique_ptr<CustomerFixture> m_fixture;
    int m_keptCode = 0;
    QString m_keptRow;
};

QTEST_MAIN(TestHostileInput)
#include "TestHostileInput.moc"
