#include "FrmFill_Save.h"

#include "Clock.h"
#include "FunctionKeys.h"
#include "HCText.h"
#include "LabelledFields.h"
#include "LoginValues.h"
#include "ScreenButton.h"
#include "ShellUtils.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace {
const QString SaveFailed = QStringLiteral("수정된 내용이 없거나, 자료저장을 실패하였습니다.");
const QString ProcessingFailed = QStringLiteral("데이터 처리중 문제가 발생하였습니다. 다시 처리하여 주시기 바랍니다.");
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
    // The save button's caption offers F2: as in the registration window, F2
    // anywhere in the window moves the focus to 저장 and saves.
    auto *keys = new FunctionKeys(this);
    keys->on(Qt::Key_F2, [this] {
        SafeSetFocus(btnSave);
        save();
    });
}

void FrmFill_Save::SetFormMode(int nUcode, const QString &sUserName, const QString &sUserID, int Mode, QWidget *caller,
                               int)
{
    m_mode = Mode;
    m_store.startNewTopUp();
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
        m_fields->focusToCorrect(FieldCount);
        return;
    }
    if (!writeTopUp())
        return;
    ShowFloatMsg(QStringLiteral("자료가 저장되었습니다."), 500);
    accept();
}

bool FrmFill_Save::writeTopUp()
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
    switch (m_store.topUp(entry)) {
    case TopUpTransaction::Result::Saved: return true;
    case TopUpTransaction::Result::NotRecorded: ShowMsg(SaveFailed); return false;
    case TopUpTransaction::Result::NotSaved: break;
    }
    ShowMsg(ProcessingFailed);
    return false;
}
