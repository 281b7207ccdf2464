#include "FrmUser_Add.h"

#include "Clock.h"
#include "FunctionKeys.h"
#include "HCText.h"
#include "LabelledFields.h"
#include "LoginValues.h"
#include "ScreenButton.h"
#include "SettingsStore.h"
#include "ShellUtils.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

FrmUser_Add::FrmUser_Add(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmUser_Add"));
    buildControls();
    SetFormStyle(this, true);
    m_fields->clear();
    chkCun->setChecked(GetSetting(g_sAppTitle, QStringLiteral("Config"), continueKey(), QStringLiteral("1")).toInt()
                       == 1);
}

FrmUser_Add::~FrmUser_Add() = default;

void FrmUser_Add::buildControls()
{
    auto *grid = new QGridLayout;
    m_fields = std::make_unique<LabelledFields>(
        this, grid,
        QVector<LabelledFields::FieldDesign>{{QStringLiteral("*상 호 명"), LabelledFields::Kind::Text, 30},
                                             {QStringLiteral("*   ID"), LabelledFields::Kind::Text, 20},
                                             {QStringLiteral("*   PW"), LabelledFields::Kind::Text, 20},
                                             {QStringLiteral(" 전화번호"), LabelledFields::Kind::Text, 15},
                                             {QStringLiteral(" 메    모"), LabelledFields::Kind::Text, 200}});
    btnSave = ScreenButton(QStringLiteral("btnSave"), QStringLiteral("저장 F2"), this);
    btnClose = ScreenButton(QStringLiteral("btnClose"), QStringLiteral("닫기(&C)"), this);
    chkCun = new QCheckBox(QStringLiteral("계속 등록하기(&N)"), this);
    chkCun->setObjectName(QStringLiteral("chkCun"));
    chkCun->setAccessibleName(QStringLiteral("계속 등록하기(N)"));
    QSizePolicy keepsItsPlace = chkCun->sizePolicy();
    keepsItsPlace.setRetainSizeWhenHidden(true); // the window keeps its size in both modes
    chkCun->setSizePolicy(keepsItsPlace);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(new QLabel(QStringLiteral("『 *는 필수입력』"), this));
    buttons->addStretch();
    buttons->addWidget(chkCun);
    buttons->addWidget(btnSave);
    buttons->addWidget(btnClose);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    connect(btnSave, &QPushButton::clicked, this, &FrmUser_Add::save);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(chkCun, &QCheckBox::clicked, this, [this] {
        SaveSetting(g_sAppTitle, QStringLiteral("Config"), continueKey(),
                    chkCun->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    });
    auto *keys = new FunctionKeys(this);
    keys->on(Qt::Key_F2, [this] {
        SafeSetFocus(btnSave);
        save();
    });
}

QString FrmUser_Add::continueKey() const { return objectName().toUpper() + QStringLiteral("_CHKCUNTINUE"); }

bool FrmUser_Add::callerIsCustomerList() const
{
    return m_caller && m_caller->objectName().compare(QStringLiteral("FrmMain"), Qt::CaseInsensitive) == 0;
}

void FrmUser_Add::SetFormMode(Mode mode, QWidget *caller, int iCode)
{
    m_mode = mode;
    chkCun->hide();
    if (caller)
        m_caller = caller;
    m_code = iCode;
    m_fields->clear();
    if (m_mode == Mode::New) {
        setWindowTitle(QStringLiteral("고객등록 - 『신규등록』"));
        chkCun->setVisible(callerIsCustomerList());
    } else if (m_mode == Mode::Edit) {
        setWindowTitle(QStringLiteral("고객등록 - 『수정』"));
        loadRecord(iCode);
    }
    m_fields->focusFirstEditable();
}

void FrmUser_Add::loadRecord(int code)
{
    const std::optional<CustomerRecord> stored = m_store.record(code);
    if (!stored)
        return;
    m_fields->setText(FieldName, stored->name);
    m_fields->setText(FieldId, stored->userId);
    m_fields->setText(FieldPw, stored->password);
    m_fields->setText(FieldPhone, stored->phone);
    m_fields->setText(FieldMemo, stored->memo);
}

void FrmUser_Add::save()
{
    if (m_fields->checkRequired(FieldName, QStringLiteral("상호"))
        || m_fields->checkRequired(FieldId, QStringLiteral("ID"))
        || m_fields->checkRequired(FieldPw, QStringLiteral("PW")))
        return;
    const QString id = m_fields->text(FieldId);
    const std::optional<int> holders = m_store.idHolders(id, m_code);
    if (!holders) {
        ShowMsg(
            QLatin1Char('[') + id
            + QStringLiteral(
                "]이(가) 이미 사용중인 ID인지 확인하지 못하여 저장하지 않았습니다. 다시 저장하여 주시기 바랍니다."));
        return;
    }
    if (*holders > 0) {
        ShowMsg(QLatin1Char('[') + id + QStringLiteral("]은(는) 이미 사용중인 ID입니다."));
        m_fields->focusToCorrect(FieldId);
        return;
    }
    if (!writeRecord())
        return;
    if (callerIsCustomerList())
        emit savedForCustomerList(m_mode);
    ShowFloatMsg(QStringLiteral("자료가 저장되었습니다."), 500);
    if (m_mode == Mode::New && chkCun->isVisible() && chkCun->isChecked()) {
        m_fields->clear();
        m_code = 0;
        SafeSetFocus(m_fields->field(FieldName));
        return;
    }
    accept();
}

CustomerRecord FrmUser_Add::typedRecord() const
{
    return CustomerRecord{m_fields->text(FieldId), m_fields->text(FieldPw), m_fields->text(FieldName),
                          m_fields->text(FieldPhone), m_fields->text(FieldMemo)};
}

bool FrmUser_Add::writeRecord()
{
    bool saved = false;
    if (m_mode == Mode::New) {
        const std::optional<int> code = m_store.insert(typedRecord(), Clock::today(), g_sOperID);
        saved = code.has_value();
        if (saved)
            m_code = *code;
    } else {
        saved = m_store.update(m_code, typedRecord());
    }
    if (!saved)
        ShowMsg(QStringLiteral("수정된 내용이 없거나, 자료저장을 실패하였습니다."));
    return saved;
}
