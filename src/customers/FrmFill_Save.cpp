#include "FrmFill_Save.h"

#include "Clock.h"
#include "HCText.h"
#include "LabelledFields.h"
#include "LoginValues.h"
#include "ScreenButton.h"
#include "ShellUtils.h"
#include "modMySQL_Func.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace {
const QString SaveFailed = QStringLiteral("수정된 내용이 없거나, 자료저장을 실패하였습니다.");
const QString ProcessingFailed =
    QStringLiteral("데이터 처리중 문제가 발생하였습니다. 다시 처리하여 주시기 바랍니다.");
} // namespace

FrmFill_Save::FrmFill_Save(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmFill_Save"));
    buildControls();
    SetFormStyle(this, true);
    m_fields->clear();
}

FrmFill_Save::~FrmFill_Save() = default;

void FrmFill_Save::buildControls()
{
    auto *grid = new QGridLayout;
    m_fields = std::make_unique<LabelledFields>(
        this, grid,
        QVector<LabelledFields::FieldDesign>{{QStringLiteral("*상 호 명"), LabelledFields::Kind::Text, 30},
                                      {QStringLiteral("*   ID"), LabelledFields::Kind::Text, 20},
                                      {QStringLiteral("입 금 액"), LabelledFields::Kind::Number, 15},
                                      {QStringLiteral("충전건수"), LabelledFields::Kind::Number, 15},
                                      {QStringLiteral("메    모"), LabelledFields::Kind::Text, 200},
                                      {QString(), LabelledFields::Kind::Integer, 11}});
    // The customer is chosen by the list; only the top-up itself is typed here.
    m_fields->lock(FieldName);
    m_fields->lock(FieldId);
    btnSave = ScreenButton(QStringLiteral("저장 F2"), this);
    btnClose = ScreenButton(QStringLiteral("닫기(&C)"), this);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnSave);
    buttons->addWidget(btnClose);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    connect(btnSave, &QPushButton::clicked, this, &FrmFill_Save::save);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
}

void FrmFill_Save::SetFormMode(int nUcode, const QString &sUserName, const QString &sUserID, int Mode,
                               QWidget *caller, int)
{
    m_mode = Mode;
    if (caller)
        m_caller = caller;
    if (m_mode == 1) {
        setWindowTitle(QStringLiteral("등록 - 『신규등록』"));
        m_fields->setText(FieldCode, QString::number(nUcode));
        m_fields->setText(FieldName, sUserName);
        m_fields->setText(FieldId, sUserID);
    }
    m_fields->focusFirstEditable();
}

void FrmFill_Save::save()
{
    if (CheckRequired(m_fields->field(FieldName), QStringLiteral("상호"))
        || CheckRequired(m_fields->field(FieldId), QStringLiteral("ID"))
        || CheckRequired(m_fields->field(FieldCode), QStringLiteral("CODE")))
        return;
    if (m_fields->number(FieldCount) == 0) {
        ShowMsg(QStringLiteral("충전 건수를 정확히 입력하세요."));
        return;
    }
    if (!writeTopUp())
        return;
    ShowFloatMsg(QStringLiteral("자료가 저장되었습니다."), 500);
    accept();
}

// The log row and the raise run in one transaction: a failure of either, or a
// lost connection in between, leaves neither behind.
bool FrmFill_Save::writeTopUp()
{
    const QDateTime now = Clock::now();
    const QString count = SqlNumber(m_fields->number(FieldCount));
    const QString key = QString::number(std::llround(m_fields->number(FieldCode)));

    DBTransaction transaction;
    if (!transaction.started()) {
        ShowMsg(ProcessingFailed);
        return false;
    }
    const int inserted = DBExecute(
        QStringLiteral("INSERT INTO ") + QStringLiteral("emaillog")
        + QStringLiteral(" (regdate, regtime, gubun, inprice, appcnt, ucode, recuserid, recusername, bigo")
        + QStringLiteral(") VALUES (") + QStringLiteral(" '") + now.toString(QStringLiteral("yyyy-MM-dd"))
        + QLatin1Char('\'') + QStringLiteral(", '") + now.toString(QStringLiteral("HH:mm")) + QLatin1Char('\'')
        + QStringLiteral(", ") + QStringLiteral("1") + QStringLiteral(", ") + SqlNumber(m_fields->number(FieldAmount))
        + QStringLiteral(", ") + count + QStringLiteral(", ") + key + QStringLiteral(", '") + g_sOperID
        + QLatin1Char('\'') + QStringLiteral(", '") + SQLEscaped(g_sOperName) + QLatin1Char('\'')
        + QStringLiteral(", '") + SQLEscaped(m_fields->text(FieldMemo)) + QLatin1Char('\'') + QStringLiteral(")"));
    if (inserted < 1) {
        ShowMsg(SaveFailed);
        return false;
    }
    m_idx = DBInsertId();
    const int raised = DBExecute(QStringLiteral("UPDATE emailuser SET restcnt = restcnt + ") + count
                                 + QStringLiteral(" WHERE code = ") + key);
    if (raised != 1 || DBTransaction::lastStatementFailed() || !transaction.commit()) {
        ShowMsg(ProcessingFailed);
        return false; // the transaction rolls the log row back
    }
    return true;
}
