#include "CustomerFixture.h"
#include "DateEdit.h"
#include "FrmDetail.h"
#include "FrmEasyDate.h"
#include "FrmFill_Save.h"
#include "FrmUser_Add.h"
#include "Frmlogin.h"
#include "HCTerm.h"
#include "HCText.h"
#include "LabelledFields.h"
#include "ShellUtils.h"
#include "SpreadGrid.h"
#include "WindowParts.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

// What the captions promise and where a refusal leaves the operator: the keys
// named on buttons, Enter in the login dialog, the focus after a refused save,
// a history that follows its filter, no empty notice.
class TestPromisedKeys : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_fixture = std::make_unique<CustomerFixture>();
        m_code = m_fixture->addCustomer("cust", "(주)한국상사", QString(), 10);
        m_fixture->db.exec(
            QStringLiteral("INSERT INTO emaillog (regdate, regtime, gubun, inprice, appcnt, ucode, bigo) VALUES "
                           "('2011-05-01', '09:00', 1, 100, 10, %1, 'top-up'),"
                           "('2011-05-10', '10:00', 0, 0, 3, %1, 'use')")
                .arg(m_code));
    }
    void cleanup() { m_fixture.reset(); }

    // "저장 F2": F2 from the memo saves the top-up.
    void f2SavesTheTopUp()
    {
        FrmFill_Save fill;
        fill.SetFormMode(m_code, QStringLiteral("(주)한국상사"), QStringLiteral("cust"), FrmFill_Save::Mode::New,
                         nullptr, 0);
        fill.show();
        QVERIFY(QTest::qWaitForWindowActive(&fill));
        part<HCText>(fill, "htField", FrmFill_Save::FieldCount)->setFocus();
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("5"));
        part<HCText>(fill, "htField", FrmFill_Save::FieldMemo)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
        QCOMPARE(m_fixture->db.value(QStringLiteral("SELECT restcnt FROM emailuser WHERE code = %1").arg(m_code)),
                 QStringLiteral("15"));
        QCOMPARE(fill.result(), int(QDialog::Accepted));
    }

    // "조회(F5)": F5 from the period box searches.
    void f5SearchesTheHistory()
    {
        FrmDetail detail(m_code);
        QVERIFY(showMay(detail));
        part<HCTerm>(detail, "htDate")->field(1)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F5);
        QCOMPARE(memos(detail), (QStringList{"top-up", "use"}));
    }

    // 확인 is the dialog's default: Enter on the check box logs in.
    void enterAnywhereInTheLoginLogsIn()
    {
        m_fixture->db.exec(QStringLiteral("INSERT INTO user_mac VALUES ('clerk', '001A2B3C4D5E', 0)"));
        CustomerFixture::setServerTime(QStringLiteral("2011-05-23 10:00:00"));
        Frmlogin login;
        QCheckBox *chkpwdSave = part<QCheckBox>(login, "chkpwdSave");
        login.show();
        QTRY_COMPARE(part<QLineEdit>(login, "txtUserName")->text(), QStringLiteral("clerk"));
        part<QLineEdit>(login, "txtPassword")->setText(QStringLiteral("pw1"));
        chkpwdSave->setFocus();
        QTest::keyClick(chkpwdSave, Qt::Key_Return);
        QVERIFY(login.LoginSucceeded);
    }

    void refusalLeavesTheFocusOnTheFieldToCorrect_data()
    {
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<QString>("message");
        QTest::newRow("count 0") << "count"
                                 << "충전 건수를 정확히 입력하세요.";
        QTest::newRow("ID in use") << "duplicate"
                                   << "[cust]은(는) 이미 사용중인 ID입니다.";
        QTest::newRow("required field") << "required"
                                        << "[상호]은(는) 필수 입력 사항입니다.";
    }
    // After the message the focus is on the field to correct, its text selected.
    void refusalLeavesTheFocusOnTheFieldToCorrect()
    {
        QFETCH(QString, refusal);
        QFETCH(QString, message);
        std::unique_ptr<QDialog> window;
        HCText *expected = nullptr;
        QPushButton *save = nullptr;
        if (refusal == QLatin1String("count")) {
            auto *fill = new FrmFill_Save;
            fill->SetFormMode(m_code, QStringLiteral("(주)한국상사"), QStringLiteral("cust"), FrmFill_Save::Mode::New,
                              nullptr, 0);
            part<HCText>(*fill, "htField", FrmFill_Save::FieldMemo)->setText(QStringLiteral("메모"));
            expected = part<HCText>(*fill, "htField", FrmFill_Save::FieldCount);
            save = part<QPushButton>(*fill, "btnSave");
            window.reset(fill);
        } else {
            auto *add = new FrmUser_Add;
            add->SetFormMode(FrmUser_Add::Mode::New, nullptr, 0);
            const bool duplicate = refusal == QLatin1String("duplicate");
            part<HCText>(*add, "htField", FrmUser_Add::FieldName)
                ->setText(duplicate ? QStringLiteral("상호") : QString());
            part<HCText>(*add, "htField", FrmUser_Add::FieldId)->setText(QStringLiteral("cust"));
            part<HCText>(*add, "htField", FrmUser_Add::FieldPw)->setText(QStringLiteral("pw"));
            expected = part<HCText>(*add, "htField", duplicate ? FrmUser_Add::FieldId : FrmUser_Add::FieldName);
            save = part<QPushButton>(*add, "btnSave");
            window.reset(add);
        }
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        save->setFocus();
        QTest::keyClick(save, Qt::Key_Return);
        QCOMPARE(m_fixture->messages->last().text, message);
        QCOMPARE(QApplication::focusWidget(), expected->txtBox());
        QCOMPARE(expected->txtBox()->selectedText(), expected->txtBox()->text());
    }

    void historyFollowsItsFilter_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("kind 충전 chosen") << "kind" << QStringList{"top-up"};
        QTest::newRow("preset period chosen") << "preset" << QStringList{"use"};
        QTest::newRow("date typed") << "typed" << QStringList{};
    }
    // A kind or a preset period chosen searches again; a date typed empties
    // the list until the next search.
    void historyFollowsItsFilter()
    {
        QFETCH(QString, change);
        FrmDetail detail(m_code);
        QVERIFY(showMay(detail));
        HCTerm *htDate = part<HCTerm>(detail, "htDate");
        detail.Search();
        QCOMPARE(memos(detail), (QStringList{"top-up", "use"}));
        if (change == QLatin1String("kind")) {
            QTest::mouseClick(part<QRadioButton>(detail, "OptGubun", FrmDetail::KindTopUp), Qt::LeftButton);
        } else if (change == QLatin1String("preset")) {
            QTimer::singleShot(0, [] {
                auto *dialog = qobject_cast<FrmEasyDate *>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                dialog->field(0)->setRawText(QStringLiteral("2011-05-08"));
                dialog->field(1)->setRawText(QStringLiteral("2011-05-14"));
                QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
            });
            QTest::mouseClick(htDate->presetsButton(), Qt::LeftButton);
        } else {
            htDate->field(0)->setFocus();
            htDate->field(0)->setCursorPosition(0);
            QTest::keyClicks(htDate->field(0), QStringLiteral("2012"));
        }
        QTEST(memos(detail), "shown");
    }

    void emptyNoticeIsNotStarted()
    {
        ShowFloatMsg(QString(), 500);
        ShowFloatMsg(QStringLiteral("  "), 500);
        QCOMPARE(m_fixture->notices(), QStringList());
    }

private:
    // Shows the history, active, for May 2011 (not yet searched).
    static bool showMay(FrmDetail &detail)
    {
        detail.show();
        auto *htDate = part<HCTerm>(detail, "htDate");
        htDate->setText1(QStringLiteral("2011-05-01"));
        htDate->setText2(QStringLiteral("2011-05-31"));
        return QTest::qWaitForWindowActive(&detail);
    }
    static QStringList memos(const FrmDetail &detail)
    {
        QStringList result;
        for (int row = 1; row <= part<SpreadGrid>(detail, "spList")->MaxRows(); ++row)
            result << part<SpreadGrid>(detail, "spList")->text(FrmDetail::ColMemo, row);
        return result;
    }

    std::unique_ptr<CustomerFixture> m_fixture;
    int m_code = 0;
};

QTEST_MAIN(TestPromisedKeys)
#include "TestPromisedKeys.moc"
