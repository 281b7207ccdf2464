#include "FrmMain.h"

#include "CaptionPanel.h"
#include "Clock.h"
#include "FrmDetail.h"
#include "FrmFill_Save.h"
#include "FrmUser_Add.h"
#include "FunctionKeys.h"
#include "GridLoad.h"
#include "HCText.h"
#include "LabelledFields.h"
#include "LoginValues.h"
#include "NumberText.h"
#include "PropertyStore.h"
#include "ScreenButton.h"
#include "ShellUtils.h"
#include "SpreadGrid.h"
#include "WorkstationAdmission.h"
#include "modFormIni.h"
#include "modSpread.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QVBoxLayout>

namespace {
std::function<void()> &unloadAction()
{
    static std::function<void()> action;
    return action;
}

const QColor Red(255, 0, 0);
const QColor Blue(0, 0, 255);

// The widest text each column is designed to show in full.
QString longestText(FrmMain::Column col)
{
    switch (col) {
    case FrmMain::ColName: return QStringLiteral("이메일마케팅서초지점영업본부장");
    case FrmMain::ColPhone: return QStringLiteral("0000-0000-00000");
    case FrmMain::ColId:
    case FrmMain::ColPw: return QStringLiteral("mailmarketing_seocho");
    case FrmMain::ColRest: return QStringLiteral("-999,999,999,999");
    case FrmMain::ColRegDate: return QStringLiteral("0000-00-00");
    case FrmMain::ColMemo: // the memo also takes whatever width the others leave
        return QStringLiteral("서초지점 담당자 연락처");
    default: return QString();
    }
}
} // namespace

FrmMain::FrmMain(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FrmMain"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();
    SetMainWindow(this);
    SetFormStyle(this, true);
    setWindowTitle(caption());
    m_userAdd = new FrmUser_Add(this);
    connect(m_userAdd, &FrmUser_Add::savedForCustomerList, this, &FrmMain::SyncUpdateUser);
    designGrid();
    resize(designWidth(), 600);
    LoadFormIni(this); // stored column widths and size win over the designed ones
    m_loadedGeometry = geometry();
}

void FrmMain::setOnUnload(std::function<void()> action) { unloadAction() = std::move(action); }

QString FrmMain::caption() const
{
    return g_sAppTitle + QStringLiteral(" Ver.%1.%2.%3").arg(QD_VERSION_MAJOR).arg(QD_VERSION_MINOR).arg(QD_REVISION)
           + QStringLiteral(" (HOST: ") + GetDBHostName() + QLatin1Char(')') + QStringLiteral(" [") + g_sOperName
           + QLatin1Char(']');
}

void FrmMain::buildControls()
{
    auto *findLabel = new CaptionPanel(QStringLiteral("검색[ID][상호][전화]:"), this);
    htFind = new HCText(this);
    htFind->setObjectName(QStringLiteral("htFind"));
    htFind->loadProperties(PropertyStore());
    htFind->setAccessibleName(QStringLiteral("검색[ID][상호][전화]"));
    htFind->txtBox()->setAccessibleName(htFind->accessibleName());
    BtnClear = ScreenButton(QStringLiteral("BtnClear"), QStringLiteral("C"), this);
    BtnClear->setAccessibleName(QStringLiteral("검색어 지우기"));
    BtnClear->setFixedWidth(BtnClear->fontMetrics().horizontalAdvance(QStringLiteral("CC")) + 16);
    BtnSelect = ScreenButton(QStringLiteral("BtnSelect"), QStringLiteral("조회(&F5)"), this);
    BtnAddUser = ScreenButton(QStringLiteral("BtnAddUser"), QStringLiteral("유저추가(&F2)"), this);
    BtnFill = ScreenButton(QStringLiteral("BtnFill"), QStringLiteral("충전(&F3)"), this);
    BtnUserEdit = ScreenButton(QStringLiteral("BtnUserEdit"), QStringLiteral("유저수정"), this);
    BtnDetail = ScreenButton(QStringLiteral("BtnDetail"), QStringLiteral("충전 / 사용 내역"), this);
    btnClose = ScreenButton(QStringLiteral("btnClose"), QStringLiteral("닫기(&C)"), this);
    spList = new SpreadGrid(this);
    spList->setObjectName(QStringLiteral("spList"));
    spList->setGridName(QStringLiteral("고객 목록"));

    auto *search = new QHBoxLayout;
    search->addWidget(findLabel);
    search->addWidget(htFind, 1);
    search->addWidget(BtnClear);
    search->addWidget(BtnSelect);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {BtnAddUser, BtnFill, BtnUserEdit, BtnDetail})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(btnClose);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(search);
    layout->addLayout(buttons);
    layout->addWidget(spList, 1);

    connect(BtnClear, &QPushButton::clicked, this, &FrmMain::clearSearch);
    connect(BtnSelect, &QPushButton::clicked, this, &FrmMain::Search);
    connect(BtnAddUser, &QPushButton::clicked, this, &FrmMain::addUser);
    connect(BtnFill, &QPushButton::clicked, this, &FrmMain::fillUser);
    connect(BtnUserEdit, &QPushButton::clicked, this, &FrmMain::editUser);
    connect(BtnDetail, &QPushButton::clicked, this, &FrmMain::showDetail);
    connect(btnClose, &QPushButton::clicked, this, &QWidget::close);
    connect(spList, &SpreadGrid::DblClick, this, [this](int, int row) {
        if (row >= 1) // a header's double-click sorts, it never edits
            editUser();
    });
    connect(htFind, &HCText::KeyPress, this, [this](int &key) {
        if (key == Qt::Key_Return || key == '\r') {
            key = 0;
            Search();
        }
    });

    auto *keys = new FunctionKeys(this);
    keys->on(Qt::Key_F5, [this] { Search(); });
    keys->on(Qt::Key_F2, [this] { addUser(); });
    keys->on(Qt::Key_F3, [this] { fillUser(); });
}

void FrmMain::designGrid()
{
    spList->SetMaxCols(ColumnCount);
    const QStringList headers{QStringLiteral("상호"), QStringLiteral("전화번호"), QStringLiteral("ID"),
                              QStringLiteral("PW"),   QStringLiteral("잔여"),     QStringLiteral("등록일"),
                              QStringLiteral("메모")};
    for (int col = ColName; col <= ColMemo; ++col)
        spList->SetText(col, 0, headers[col - ColName]);
    spList->SetColHidden(ColCode, true);
    CommonSpreadDesign(*spList, true, true, true, true, true);
    SetNumberColumn(*spList, ColRest, 0, true, -1, true, false);
    // Balances in red and IDs in blue on every row, as column colours.
    spList->SetRow(AllCells);
    spList->SetCol(ColRest);
    spList->SetForeColor(Red);
    spList->SetCol(ColId);
    spList->SetForeColor(Blue);
    for (int col = ColName; col <= ColMemo; ++col)
        spList->FitColWidth(col, longestText(static_cast<Column>(col)));
    spList->SetStretchLastCol(true);
}

// Wide enough for every column at its designed width, within the screen.
int FrmMain::designWidth() const
{
    const QMargins margins = layout()->contentsMargins();
    const int wanted = spList->WidthForAllCols() + margins.left() + margins.right();
    return std::clamp(wanted, 900, std::max(900, screen()->availableGeometry().width() - 16));
}

// One load at a time: the window's commands wait for the list, a second
// search is not started beside the first, and a close waits for its end.
void FrmMain::Search()
{
    if (m_loading)
        return;
    bool loaded = false;
    {
        const QScopedValueRollback loading(m_loading, true);
        GridLoad load(*spList, [this](int row, const Recordset &rows) { fillRow(row, rows); });
        loaded = m_store.search(htFind->text(), load.reader());
        load.finish(loaded);
    }
    if (m_closeAfterLoad)
        close();
}

void FrmMain::fillRow(int row, const Recordset &rows)
{
    spList->SetText(ColName, row, rows.FieldView(ListField::UserName));
    spList->SetText(ColPhone, row, rows.FieldView(ListField::HpNo));
    spList->SetText(ColId, row, rows.FieldView(ListField::UserId));
    spList->SetText(ColPw, row, rows.FieldView(ListField::UserPw));
    spList->SetText(ColRest, row, rows.FieldView(ListField::Cnt));
    spList->SetText(ColRegDate, row, rows.FieldView(ListField::RegDate));
    spList->SetText(ColMemo, row, rows.FieldView(ListField::Bigo));
    spList->SetText(ColCode, row, rows.FieldView(ListField::Code));
}

int FrmMain::SelectedCode() const
{
    if (spList->MaxRows() <= 0)
        return 0;
    return static_cast<int>(LeadingNumber(spList->text(ColCode, spList->ActiveRow())));
}

void FrmMain::clearSearch()
{
    htFind->setText(QString());
    htFind->setFocus(Qt::OtherFocusReason);
}

void FrmMain::addUser()
{
    if (m_loading)
        return;
    m_userAdd->SetFormMode(FrmUser_Add::Mode::New, this, 0);
    m_userAdd->exec();
}

void FrmMain::editUser()
{
    if (m_loading)
        return;
    const int code = SelectedCode();
    if (code != 0) {
        m_userAdd->SetFormMode(FrmUser_Add::Mode::Edit, this, code);
        m_userAdd->exec();
    } else {
        ShowMsg(QStringLiteral("먼저 그리드에서 수정할 자료를 선택하세요."));
    }
    spList->setFocus(Qt::OtherFocusReason);
}

void FrmMain::fillUser()
{
    if (m_loading)
        return;
    const int code = SelectedCode();
    if (code == 0) {
        ShowMsg(QStringLiteral("먼저 유저내역에서 충전 할 유저를 선택 하세요."));
        spList->setFocus(Qt::OtherFocusReason);
        return;
    }
    const int row = spList->ActiveRow();
    {
        FrmFill_Save fill(this);
        fill.SetFormMode(code, spList->text(ColName, row), spList->text(ColId, row), FrmFill_Save::Mode::New, this, 0);
        fill.exec();
    }
    refreshBalance(row, code);
}

// A balance that could not be read keeps the value shown: the error box has
// told the operator, and a 0 would be a balance nobody has.
void FrmMain::refreshBalance(int row, int code)
{
    if (const std::optional<double> balance = m_store.balance(code))
        spList->SetText(ColRest, row, SqlNumber(*balance));
}

void FrmMain::showDetail()
{
    if (m_loading)
        return;
    const int code = SelectedCode();
    if (code == 0) {
        ShowMsg(QStringLiteral("먼저 그리드에서 내역 확인 할 유저를 선택 하세요."));
        spList->setFocus(Qt::OtherFocusReason);
        return;
    }
    FrmDetail detail(code, this);
    detail.exec();
}

void FrmMain::SyncUpdateUser(FrmUser_Add::Mode eUpdateMode)
{
    int row = spList->ActiveRow();
    if (eUpdateMode == FrmUser_Add::Mode::New) {
        spList->SetMaxRows(spList->MaxRows() + 1);
        row = spList->MaxRows();
    }
    const LabelledFields &fields = m_userAdd->fields();
    spList->SetText(ColName, row, fields.text(FrmUser_Add::FieldName));
    spList->SetText(ColId, row, fields.text(FrmUser_Add::FieldId));
    spList->SetText(ColPw, row, fields.text(FrmUser_Add::FieldPw));
    if (eUpdateMode == FrmUser_Add::Mode::New) {
        spList->SetText(ColRegDate, row, Clock::today().toString(QStringLiteral("yyyy-MM-dd")));
        spList->SetText(ColRest, row, QStringLiteral("0"));
    }
    spList->SetText(ColMemo, row, fields.text(FrmUser_Add::FieldMemo));
    spList->SetText(ColPhone, row, fields.text(FrmUser_Add::FieldPhone));
    spList->SetText(ColCode, row, QString::number(m_userAdd->customerCode()));
    spList->SetActiveCell(spList->ActiveCol(), row);
}

void FrmMain::closeEvent(QCloseEvent *event)
{
    if (m_loading) {
        m_closeAfterLoad = true;
        event->ignore();
        return;
    }
    if (geometry() != m_loadedGeometry)
        SaveFormIni(this);
    event->accept();
    if (unloadAction())
        unloadAction()();
}
