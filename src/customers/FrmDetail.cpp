#include "FrmDetail.h"

#include "CaptionPanel.h"
#include "FunctionKeys.h"
#include "GridLoad.h"
#include "HCTerm.h"
#include "LeadingNumber.h"
#include "NumberText.h"
#include "PrintFront.h"
#include "ScreenButton.h"
#include "ShellUtils.h"
#include "SpreadGrid.h"
#include "cSpreadPreview.h"
#include "modExcel.h"
#include "modSpread.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

namespace {

// The widest text each column is designed to show in full.
QString longestText(FrmDetail::Column col)
{
    switch (col) {
    case FrmDetail::ColDate: return QStringLiteral("0000-00-00");
    case FrmDetail::ColTime: return QStringLiteral("00:00");
    case FrmDetail::ColKind: return QStringLiteral("충전");
    case FrmDetail::ColCount:
    case FrmDetail::ColAmount: return QStringLiteral("-999,999,999,999");
    case FrmDetail::ColOperator: return QStringLiteral("이메일마케팅서초");
    case FrmDetail::ColMemo: // the memo also takes whatever width the others leave
        return QStringLiteral("서초지점 담당자 연락처");
    default: return QString();
    }
}
} // namespace

FrmDetail::FrmDetail(int nUcode, QWidget *parent) : QDialog(parent), m_code(nUcode)
{
    setObjectName(QStringLiteral("FrmDetail"));
    buildControls();
    SetFormStyle(this, true);
    designGrid();
    setWindowTitle(QLatin1Char('[') + m_store.name(m_code).value_or(QString()) + QStringLiteral("] 충전 & 사용 내역"));
    resize(760, 520);
}

void FrmDetail::buildControls()
{
    auto *periodLabel = new CaptionPanel(QStringLiteral("기간:"), this);
    htDate = new HCTerm(this);
    htDate->setObjectName(QStringLiteral("htDate"));
    htDate->setAccessibleName(QStringLiteral("기간"));
    auto *kinds = new QButtonGroup(this);
    const QString captions[] = {QStringLiteral("전체"), QStringLiteral("충전"), QStringLiteral("사용")};
    for (int i = 0; i < 3; ++i) {
        OptGubun[i] = new QRadioButton(captions[i], this);
        OptGubun[i]->setObjectName(QStringLiteral("OptGubun_%1").arg(i));
        OptGubun[i]->setAccessibleName(captions[i]);
        kinds->addButton(OptGubun[i], i);
    }
    OptGubun[KindAll]->setChecked(true);
    BtnSelect = ScreenButton(QStringLiteral("BtnSelect"), QStringLiteral("조회(&F5)"), this);
    btnExcel = ScreenButton(QStringLiteral("btnExcel"), QStringLiteral("엑셀"), this);
    btnPrint = ScreenButton(QStringLiteral("btnPrint"), QStringLiteral("인쇄"), this);
    btnClose = ScreenButton(QStringLiteral("btnClose"), QStringLiteral("닫기(&C)"), this);
    spList = new SpreadGrid(this);
    spList->setObjectName(QStringLiteral("spList"));
    spList->setGridName(QStringLiteral("충전 및 사용 내역"));

    auto *top = new QHBoxLayout;
    top->addWidget(periodLabel);
    top->addWidget(htDate);
    for (QRadioButton *option : OptGubun)
        top->addWidget(option);
    top->addStretch();
    for (QPushButton *b : {BtnSelect, btnExcel, btnPrint, btnClose})
        top->addWidget(b);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(spList, 1);

    connect(BtnSelect, &QPushButton::clicked, this, &FrmDetail::Search);
    connect(btnPrint, &QPushButton::clicked, this, &FrmDetail::Print);
    connect(btnExcel, &QPushButton::clicked, this, &FrmDetail::ExportExcel);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
    // The list never shows rows of another filter than the one on screen:
    // a kind or a preset period chosen searches again, a date changed
    // otherwise empties the list until the next search.
    connect(kinds, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            Search();
    });
    connect(htDate, &HCTerm::PeriodChosen, this, &FrmDetail::Search);
    connect(htDate, &HCTerm::Change, this, &FrmDetail::dropRowsOfAnotherPeriod);
    // The search button's caption offers F5: it searches from anywhere in the window.
    auto *keys = new FunctionKeys(this);
    keys->on(Qt::Key_F5, [this] { Search(); });
}

void FrmDetail::designGrid()
{
    spList->SetMaxCols(ColumnCount);
    const QStringList headers{QStringLiteral("일자"), QStringLiteral("시간"),   QStringLiteral("구분"),
                              QStringLiteral("건수"), QStringLiteral("입금액"), QStringLiteral("처리자"),
                              QStringLiteral("메모")};
    for (int col = ColDate; col <= ColMemo; ++col)
        spList->SetText(col, 0, headers[col - ColDate]);
    spList->SetColHidden(ColIdx, true);
    CommonSpreadDesign(*spList, true, true, true, true, true);
    SetNumberColumn(*spList, ColCount, 0, true, -1, true, false);
    SetNumberColumn(*spList, ColAmount, 0, true, -1, true, false);
    for (int col = ColDate; col <= ColMemo; ++col)
        spList->FitColWidth(col, longestText(static_cast<Column>(col)));
    spList->SetStretchLastCol(true);
}

CustomerStore::HistoryKind FrmDetail::kind() const
{
    if (OptGubun[KindTopUp]->isChecked())
        return CustomerStore::HistoryKind::TopUp;
    if (OptGubun[KindUse]->isChecked())
        return CustomerStore::HistoryKind::Use;
    return CustomerStore::HistoryKind::All;
}

// One load at a time. A kind or preset period chosen while the list loads
// searches again once it has loaded; a date typed meanwhile empties it then.
void FrmDetail::Search()
{
    if (m_loading) {
        m_searchAgain = true;
        return;
    }
    {
        const QScopedValueRollback loading(m_loading, true);
        const std::pair period{htDate->text1(), htDate->text2()};
        GridLoad load(*spList, [this](int row, const Recordset &rows) { fillRow(row, rows); });
        const bool loaded = m_store.history(m_code, period.first, period.second, kind(), load.reader());
        m_shownPeriod = period;
        load.finish(loaded);
    }
    if (std::exchange(m_searchAgain, false))
        Search();
    else if (std::exchange(m_closeAfterLoad, false))
        reject();
    else
        dropRowsOfAnotherPeriod();
}

void FrmDetail::reject()
{
    if (m_loading)
        m_closeAfterLoad = true;
    else
        QDialog::reject();
}

void FrmDetail::dropRowsOfAnotherPeriod()
{
    if (!m_loading && spList->MaxRows() > 0 && m_shownPeriod != std::pair{htDate->text1(), htDate->text2()})
        spList->SetMaxRows(0);
}

void FrmDetail::fillRow(int row, const Recordset &rows)
{
    using namespace HistoryField;
    const auto number = [&rows](Position field) {
        return QString::number(LeadingNumber(rows.Fields(field)), 'f', QLocale::FloatingPointShortest);
    };
    const bool topUp = LeadingNumber(rows.Fields(Gubun)) != 0;
    spList->SetText(ColDate, row, rows.FieldView(RegDate));
    spList->SetText(ColTime, row, rows.FieldView(RegTime));
    spList->SetText(ColKind, row, topUp ? QStringLiteral("충전") : QStringLiteral("사용"));
    spList->SetText(ColCount, row, number(AppCnt));
    spList->SetText(ColAmount, row, number(InPrice));
    spList->SetText(ColOperator, row, rows.FieldView(RecUserName));
    spList->SetText(ColMemo, row, rows.FieldView(Bigo));
    spList->SetText(ColIdx, row, rows.FieldView(Idx));
    const QColor colour = topUp ? QColor(0, 0, 255) : QColor(255, 0, 0);
    spList->SetRow(row);
    for (int col : {ColKind, ColCount}) {
        spList->SetCol(col);
        spList->SetForeColor(colour);
    }
}

void FrmDetail::Print()
{
    if (m_loading)
        return;
    g_SpreadPreview->SpreadPreview(*spList, QStringLiteral("FrmDetail"), windowTitle(), g_sCompany, QString(), 1, 0.3,
                                   0.2, 0.5, 0.5, false, 1, QString(), false, 16);
}

void FrmDetail::ExportExcel()
{
    if (!m_loading)
        ExportToExcelFile(*spList, QStringLiteral("Sheet1"), true, false, false, true, true);
}
