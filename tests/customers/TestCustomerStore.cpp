#include "Clock.h"
#include "CustomerFixture.h"
#include "CustomerStore.h"

#include <QtTest>

namespace {
// Every row a read handed over, gathered into one row set, and whether the
// read failed. Reads go two rows at a time, so that lists take several chunks.
struct StoreRows {
    RecordsetPtr rows = std::make_unique<Recordset>();
    bool failed = false;
    int count() const { return rows->RecordCount(); }
};

constexpr int RowsPerChunk = 2;

template <class Read> StoreRows gathered(Read read)
{
    StoreRows found;
    Recordset &all = *found.rows;
    const auto take = [&all](Recordset &chunk) {
        for (int i = all.FieldCount(); i < chunk.FieldCount(); ++i)
            all.addColumn(chunk.FieldName(i), chunk.FieldSize(i));
        for (; !chunk.Eof(); chunk.MoveNext()) {
            for (int i = 0; i < chunk.FieldCount(); ++i)
                all.appendValue(chunk.FieldView(i));
            all.endRow();
        }
        return true;
    };
    found.failed = !read(ChunkReader{RowsPerChunk, take, {}});
    all.MoveFirst();
    return found;
}

StoreRows searched(const QString &find)
{
    return gathered([&](const ChunkReader &reader) { return CustomerStore().search(find, reader); });
}

StoreRows history(int code, const QString &from, const QString &to, CustomerStore::HistoryKind kind)
{
    return gathered([&](const ChunkReader &reader) { return CustomerStore().history(code, from, to, kind, reader); });
}

QStringList column(const StoreRows &found, ListField::Position field)
{
    QStringList values;
    for (found.rows->MoveFirst(); !found.rows->Eof(); found.rows->MoveNext())
        values << found.rows->Fields(field);
    return values;
}

QStringList column(const StoreRows &found, HistoryField::Position field)
{
    QStringList values;
    for (found.rows->MoveFirst(); !found.rows->Eof(); found.rows->MoveNext())
        values << found.rows->Fields(field);
    return values;
}
} // namespace

// The customer store without any window, against the real tables: what each
// read returns, what each change writes to the tables and the SQL log, and
// how a failed statement is told apart from an empty answer.
class TestCustomerStore : public QObject {
    Q_OBJECT

private slots:
    void init() { m_fixture = std::make_unique<CustomerFixture>(); }
    void cleanup()
    {
        if (m_tablesAway)
            m_fixture->db.exec(QStringLiteral("RENAME TABLE emailuser_away TO emailuser, emaillog_away TO emaillog"));
        m_tablesAway = false;
        m_fixture.reset();
    }

    void searchByEachCriterion_data()
    {
        QTest::addColumn<QString>("find");
        QTest::addColumn<QStringList>("ids");
        QTest::newRow("everyone, by name") << QString() << QStringList{"o'neil", "kim", "park", "lee"};
        QTest::newRow("ID") << "ar" << QStringList{"park"};
        QTest::newRow("name") << "상사" << QStringList{"kim", "park"};
        QTest::newRow("phone digits without hyphens") << "5551234" << QStringList{"lee"};
        QTest::newRow("phone with its hyphens") << "555-1234" << QStringList{};
        QTest::newRow("apostrophe") << "o'n" << QStringList{"o'neil"};
        QTest::newRow("underscore is any letter") << "l_e" << QStringList{"lee"};
        QTest::newRow("nobody") << "zzz" << QStringList{};
    }
    void searchByEachCriterion()
    {
        QFETCH(QString, find);
        QFETCH(QStringList, ids);
        m_fixture->addCustomer("lee", "하늘", "02-555-1234");
        m_fixture->addCustomer("kim", "가나 상사", "010-1111-2222");
        m_fixture->addCustomer("park", "나라 상사");
        m_fixture->addCustomer("o''neil", "O''Neil 무역");
        const StoreRows found = searched(find);
        QVERIFY(!found.failed);
        QCOMPARE(found.count(), ids.size());
        QCOMPARE(column(found, ListField::UserId), ids);
        QCOMPARE(m_fixture->messages->count(), 0);
    }

    void searchRowHoldsEveryListField()
    {
        m_fixture->db.exec(QStringLiteral("INSERT INTO emailuser (userid, userpw, username, restcnt, regdate, bigo, "
                                          "hpno) VALUES ('id', 'pw', '이름', -12, '2011-02-03', '메모', '010-1')"));
        const int code = static_cast<int>(m_fixture->db.insertId());
        const StoreRows found = searched(QString());
        QCOMPARE(found.count(), 1);
        const Recordset &row = *found.rows;
        QCOMPARE(row.Fields(ListField::Code), QString::number(code));
        QCOMPARE(row.Fields(ListField::UserId), QStringLiteral("id"));
        QCOMPARE(row.Fields(ListField::UserPw), QStringLiteral("pw"));
        QCOMPARE(row.Fields(ListField::UserName), QStringLiteral("이름"));
        QCOMPARE(row.Fields(ListField::Cnt), QStringLiteral("-12"));
        QCOMPARE(row.Fields(ListField::RegDate), QStringLiteral("2011-02-03"));
        QCOMPARE(row.Fields(ListField::Bigo), QStringLiteral("메모"));
        QCOMPARE(row.Fields(ListField::HpNo), QStringLiteral("010-1"));
    }

    void historyOverAPeriod_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("memos");
        const auto all = static_cast<int>(CustomerStore::HistoryKind::All);
        const auto topUp = static_cast<int>(CustomerStore::HistoryKind::TopUp);
        const auto use = static_cast<int>(CustomerStore::HistoryKind::Use);
        QTest::newRow("a month, every kind, by date and time")
            << "2011-05-01"
            << "2011-05-31" << all << QStringList{"early use", "first", "odd kind", "last day"};
        QTest::newRow("top-ups are every non-zero kind") << "2011-05-01"
                                                         << "2011-05-31" << topUp << QStringList{"first", "odd kind"};
        QTest::newRow("uses") << "2011-05-01"
                              << "2011-05-31" << use << QStringList{"early use", "last day"};
        QTest::newRow("one day") << "2011-05-31"
                                 << "2011-05-31" << all << QStringList{"last day"};
        QTest::newRow("apostrophe in the period stays text") // compared as text, after "2011-05-01"
            << "2011-05-01' OR '1'='1"
            << "2011-05-31" << all << QStringList{"odd kind", "last day"};
        QTest::newRow("a period without rows") << "2012-01-01"
                                               << "2012-12-31" << all << QStringList{};
    }
    void historyOverAPeriod()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(int, kind);
        QFETCH(QStringList, memos);
        const int code = m_fixture->addCustomer("cust", "손님");
        const int other = m_fixture->addCustomer("other", "남");
        m_fixture->db.exec(
            QStringLiteral(
                "INSERT INTO emaillog (regdate, regtime, gubun, inprice, appcnt, ucode, recusername, bigo) VALUES "
                "('2011-05-01', '09:00', 1, 10000, 1000, %1, '직원', 'first'),"
                "('2011-05-01', '08:30', 0, 0, 12, %1, '발송', 'early use'),"
                "('2011-05-10', '10:00', 2, 500, 50, %1, '직원', 'odd kind'),"
                "('2011-05-31', '23:59', 0, 0, 7, %1, '발송', 'last day'),"
                "('2011-04-30', '23:59', 1, 1, 1, %1, '직원', 'before'),"
                "('2011-06-01', '00:00', 1, 1, 1, %1, '직원', 'after'),"
                "('2011-05-10', '10:00', 1, 9, 9, %2, '직원', 'someone else')")
                .arg(code)
                .arg(other));
        const StoreRows found = history(code, from, to, static_cast<CustomerStore::HistoryKind>(kind));
        QVERIFY(!found.failed);
        QCOMPARE(column(found, HistoryField::Bigo), memos);
        QCOMPARE(m_fixture->messages->count(), 0);
    }

    void historyRowHoldsEveryHistoryField()
    {
        const int code = m_fixture->addCustomer("cust", "손님");
        m_fixture->db.exec(QStringLiteral("INSERT INTO emaillog (regdate, regtime, gubun, inprice, appcnt, ucode, "
                                          "recuserid, recusername, bigo) VALUES "
                                          "('2011-05-01', '09:00', 1, 10000, 1000, %1, 'clerk', '직원', 'memo')")
                               .arg(code));
        const QString idx = QString::number(m_fixture->db.insertId());
        const StoreRows found = history(code, QStringLiteral("2011-05-01"), QStringLiteral("2011-05-01"),
                                        CustomerStore::HistoryKind::All);
        QCOMPARE(found.count(), 1);
        const QStringList expected{"2011-05-01",          "09:00", "1",    "10000", "1000",
                                   QString::number(code), "clerk", "직원", "memo",  idx};
        for (int field = HistoryField::RegDate; field <= HistoryField::Idx; ++field)
            QCOMPARE(found.rows->Fields(field), expected.at(field));
    }

    // The SQL log holds each change exactly as it was sent.
    void insertAndUpdateAreWrittenAndLogged()
    {
        CustomerStore store;
        const CustomerRecord typed{QStringLiteral("o'k\\"), QStringLiteral("p\\w"), QStringLiteral("상호 '가'"),
                                   QStringLiteral("010-1"), QStringLiteral("메모")};
        const std::optional<int> code = store.insert(typed, QDate(2011, 5, 23), QStringLiteral("clerk's"));
        QVERIFY(code);
        QCOMPARE(QString::number(*code),
                 m_fixture->db.value(QStringLiteral("SELECT code FROM emailuser WHERE userid = 'o''k\\\\'")));
        QCOMPARE(CustomerFixture::sqlLog().last(),
                 QStringLiteral("INSERT INTO emailuser (userid, userpw, username, restcnt, regdate, bigo, hpno, "
                                "reguser) VALUES ( 'o''k\\\\', 'p\\\\w', '상호 ''가''', 0, '2011-05-23', '메모', "
                                "'010-1', 'clerk''s');"));
        QCOMPARE(m_fixture->db.value(
                     QStringLiteral("SELECT CONCAT_WS('|', restcnt, regdate, reguser) FROM emailuser WHERE code = %1")
                         .arg(*code)),
                 QStringLiteral("0|2011-05-23|clerk's"));
        QCOMPARE(store.record(*code)->name, typed.name);
        QCOMPARE(store.record(*code)->userId, typed.userId);

        CustomerRecord changed = typed;
        changed.memo = QStringLiteral("새 메모 '");
        changed.phone = QStringLiteral("02-9");
        QVERIFY(store.update(*code, changed));
        QCOMPARE(
            CustomerFixture::sqlLog().last(),
            QStringLiteral("UPDATE emailuser SET  userid = 'o''k\\\\', userpw = 'p\\\\w', username = '상호 ''가''', "
                           "bigo = '새 메모 ''', hpno = '02-9' WHERE code = %1;")
                .arg(*code));
        const std::optional<CustomerRecord> stored = store.record(*code);
        QVERIFY(stored);
        QCOMPARE(stored->memo, changed.memo);
        QCOMPARE(stored->phone, changed.phone);
        QCOMPARE(stored->password, changed.password);

        // The same values again change nothing: reported, and still logged.
        const qsizetype logged = CustomerFixture::sqlLog().size();
        QVERIFY(!store.update(*code, changed));
        QCOMPARE(CustomerFixture::sqlLog().size(), logged + 1);
        QCOMPARE(m_fixture->messages->count(), 0);
    }

    void aHeldIdIsCountedAndRefusedByTheTable()
    {
        CustomerStore store;
        const int mine = m_fixture->addCustomer("mine", "내것");
        const int theirs = m_fixture->addCustomer("theirs", "남의것");
        QCOMPARE(store.idHolders(QStringLiteral("theirs"), 0), 1);
        QCOMPARE(store.idHolders(QStringLiteral("theirs"), theirs), 0);
        QCOMPARE(store.idHolders(QStringLiteral("THEIRS"), mine), 1); // the column compares without case
        QCOMPARE(store.idHolders(QStringLiteral("' OR '1'='1"), 0), 0);

        const CustomerRecord taken{QStringLiteral("theirs"), QStringLiteral("pw"), QStringLiteral("둘째"), {}, {}};
        QCOMPARE(store.insert(taken, QDate(2011, 5, 23), QStringLiteral("clerk")), std::nullopt);
        QCOMPARE(m_fixture->messages->count(), 1); // the statement's error box
        QVERIFY(!store.update(mine, taken));
        QCOMPARE(m_fixture->messages->count(), 2);
        QCOMPARE(m_fixture->db.value(QStringLiteral("SELECT GROUP_CONCAT(userid ORDER BY code) FROM emailuser")),
                 QStringLiteral("mine,theirs"));
    }

    void aMissingCustomerReadsAsNothing()
    {
        CustomerStore store;
        const int code = m_fixture->addCustomer("cust", "손님 상사", QString(), -7);
        QCOMPARE(store.name(code), QStringLiteral("손님 상사"));
        QCOMPARE(store.balance(code), -7.0);
        QCOMPARE(store.name(code + 1), std::nullopt);
        QCOMPARE(store.balance(code + 1), std::nullopt);
        QVERIFY(!store.record(code + 1));
        QCOMPARE(m_fixture->messages->count(), 0);
    }

    // With the tables gone every statement fails: each read says so instead
    // of an empty answer, and nothing is reported saved.
    void failedStatementsAreToldApartFromEmptyAnswers()
    {
        const int code = m_fixture->addCustomer("cust", "손님");
        m_fixture->db.exec(QStringLiteral("RENAME TABLE emailuser TO emailuser_away, emaillog TO emaillog_away"));
        m_tablesAway = true;
        CustomerStore store;
        const StoreRows list = searched(QString());
        QVERIFY(list.failed);
        QCOMPARE(list.count(), 0);
        const StoreRows found = history(code, QStringLiteral("2011-01-01"), QStringLiteral("2011-12-31"),
                                        CustomerStore::HistoryKind::All);
        QVERIFY(found.failed);
        QCOMPARE(found.count(), 0);
        QCOMPARE(store.name(code), std::nullopt);
        QCOMPARE(store.balance(code), std::nullopt);
        QVERIFY(!store.record(code));
        QCOMPARE(store.idHolders(QStringLiteral("cust"), 0), std::nullopt);
        const CustomerRecord typed{QStringLiteral("new"), QStringLiteral("pw"), QStringLiteral("새"), {}, {}};
        QCOMPARE(store.insert(typed, QDate(2011, 5, 23), QStringLiteral("clerk")), std::nullopt);
        QVERIFY(!store.update(code, typed));
        QCOMPARE(m_fixture->messages->count(), 8); // one error box a statement
    }

    // The refused top-up's log row must be rolled back, not left open for the
    // next transaction to commit along with its own.
    void refusedTopUpThenAnOrdinaryOneLeavesOneLogRow()
    {
        const int code = m_fixture->addCustomer("cust", "손님", QString(), 10);
        CustomerStore store;
        QCOMPARE(store.topUp(entry(code + 1000, "5")), TopUpTransaction::Result::NotSaved);
        QCOMPARE(store.topUp(entry(code, "3")), TopUpTransaction::Result::Saved);
        QCOMPARE(m_fixture->db.value(QStringLiteral("SELECT GROUP_CONCAT(CONCAT(ucode, ':', appcnt)) FROM emaillog")),
                 QStringLiteral("%1:3").arg(code));
        QCOMPARE(m_fixture->db.value(QStringLiteral("SELECT restcnt FROM emailuser WHERE code = %1").arg(code)),
                 QStringLiteral("13"));
        QCOMPARE(m_fixture->messages->count(), 0);
    }

private:
    static TopUpEntry entry(int code, const char *count)
    {
        return TopUpEntry{QStringLiteral("2011-05-23"), QStringLiteral("14:25"), QStringLiteral("0"),
                          QString::fromLatin1(count),   QString::number(code),   QStringLiteral("clerk"),
                          QStringLiteral("직원"),       QStringLiteral("memo")};
    }

    std::unique_ptr<CustomerFixture> m_fixture;
    bool m_tablesAway = false;
};

QTEST_GUILESS_MAIN(TestCustomerStore)
#include "TestCustomerStore.moc"
