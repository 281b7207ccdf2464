#include "FrmFill_Save.h"

#include "Clock.h"
#include "FunctionKeys.h"
#include "LabelledFields.h"
#include "LoginValues.h"
#include "ScreenButton.h"
#include "ShellUtils.h"
#include "WaitCursor.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace {
const QString SaveFailed = QStringLiteral("수정된 내용이 없거나, 자료저장을 실패하였습니다.");
const QString ProcessingFailed = QStringLiteral("데이터 처리중 문제가 발생하였습니다. 다시 처리하여 주시기 바랍니다.");
const QString Unconfirmed = QStringLiteral("데이터베이스 연결 문제로 충전 결과를 확인하지 못하였습니다.\r\n\r\n"
                                           "충전 내역을 확인하기 전에는 다시 처리하지 마시기 바랍니다.\r\n\r\n"
                                           "저장을 다시 누르면 이 충전의 결과를 다시 확인합니다.");
// The fields of the top-up itself, held while its result is open.
constexpr int TopUpFields[] = {FrmFill_Save::FieldAmount, FrmFill_Save::FieldCount, FrmFill_Save::FieldMemo};
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
    btnSave = ScreenButton(QStringLiteral("btnSave"), QStringLiteral("저장 F2"), this);
    btnClose = ScreenButton(QStringLiteral("btnClose"), QStringLiteral("닫기(&C)"), this);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnSave);
    buttons->addWidget(btnClose);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    connect(btnSave, &QPushButton::clicked, this, &FrmFill_Save::save);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
    // The save button's caption offers F2: as in the registration window, F2
    // anywhere in the window moves the focus to 저장 and saves.
    auto *keys = new FunctionKeys(this);
    keys->on(Qt::Key_F2, [this] {
        SafeSetFocus(btnSave);
        save();
    });
}

void FrmFill_Save::SetFormMode(int nUcode, const QString &sUserName, const QString &sUserID, Mode mode, QWidget *caller,
                               int)
{
    m_mode = mode;
    m_store.startNewTopUp();
    holdTopUp(false);
    if (caller)
        m_caller = caller;
    if (m_mode == Mode::New) {
        setWindowTitle(QStringLiteral("등록 - 『신규등록』"));
        m_fields->setText(FieldCode, QString::number(nUcode));
        m_fields->setText(FieldName, sUserName);
        m_fields->setText(FieldId, sUserID);
    }
    m_fields->focusFirstEditable();
}

void FrmFill_Save::save()
{
    const bool pending = m_store.topUpPending();
    if (!pending && !readyToSave())
        return;
    if (!tellOutcome(pending ? decidePending() : writeTopUp()))
        return;
    ShowFloatMsg(QStringLiteral("자료가 저장되었습니다."), 500);
    accept();
}

bool FrmFill_Save::readyToSave()
{
    if (m_fields->checkRequired(FieldName, QStringLiteral("상호"))
        || m_fields->checkRequired(FieldId, QStringLiteral("ID"))
        || m_fields->checkRequired(FieldCode, QStringLiteral("CODE")))
        return false;
    if (m_fields->number(FieldCount) == 0) {
        ShowMsg(QStringLiteral("충전 건수를 정확히 입력하세요."));
        m_fields->focusToCorrect(FieldCount);
        return false;
    }
    return true;
}

TopUpTransaction::Result FrmFill_Save::writeTopUp()
{
    const QDateTime now = Clock::now();
    const TopUpEntry entry{now.toString(QStringLiteral("yyyy-MM-dd")),
                           now.toString(QStringLiteral("HH:mm")),
                           SqlNumber(m_fields->number(FieldAmount)),
                           SqlNumber(m_fields->number(FieldCount)),
                           QString::number(std::llround(m_fields->number(FieldCode))),
                           g_sOperID,
                           g_sOperName,
                           m_fields->text(FieldMemo)};
    const WaitCursor busy;
    return m_store.topUp(entry);
}

bool FrmFill_Save::tellOutcome(TopUpTransaction::Result result)
{
    holdTopUp(result == TopUpTransaction::Result::Unconfirmed);
    switch (result) {
    case TopUpTransaction::Result::Saved: return true;
    case TopUpTransaction::Result::NotRecorded: ShowMsg(SaveFailed); return false;
    case TopUpTransaction::Result::NotSaved: ShowMsg(ProcessingFailed); return false;
    case TopUpTransaction::Result::Unconfirmed: ShowMsg(Unconfirmed); return false;
    }
    return false;
}

// While its result is open the top-up stays as it was sent: what the window
// shows is what the next press of Save decides.
void FrmFill_Save::holdTopUp(bool held)
{
    for (const int field : TopUpFields) {
        if (held)
            m_fields->lock(field);
        else
            m_fields->unlock(field);
    }
}

TopUpTransaction::Result FrmFill_Save::decidePending()
{
    const WaitCursor busy;
    return m_store.decideTopUp();
}

void FrmFill_Save::reject()
{
    if (m_store.topUpPending()) {
        const TopUpTransaction::Result result = decidePending();
        if (result == TopUpTransaction::Result::Saved)
            ShowFloatMsg(QStringLiteral("자료가 저장되었습니다."), 500);
        else if (result == TopUpTransaction::Result::Unconfirmed)
            ShowMsg(Unconfirmed);
        else
            ShowMsg(SaveFailed);
    }
    QDialog::reject();
}
