#include "FrmSPPrint_PrintDlg.h"

#include "EnterPressesButton.h"
#include "FrmSPPrint_PageSetup.h"
#include "MessageBoxes.h"
#include "PrintDialogs.h"
#include "PrintSession.h"
#include "PrintSettings.h"
#include "SessionPreview.h"
#include "SpreadGrid.h"
#include "SpreadPrintJob.h"
#include "modSpreadPrint.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>

namespace {
const char *const OptionCaptions[PrintOptionCount] = {"열 헤더", "행 헤더", "그리드 라인", "테두리", "데이터셀만",
                                                      "색상",    "그림자",  "페이지 맞춤", "꼬릿말"};
const char *const RangeCaptions[] = {"전체", "선택된 셀들", "현재 페이지", "Pages"};

bool isNumeric(const QString &text)
{
    bool ok = false;
    text.trimmed().toDouble(&ok);
    return ok;
}
} // namespace

FrmSPPrint_PrintDlg::FrmSPPrint_PrintDlg(PrintSession &session, QWidget *parent) : QDialog(parent), m_session(session)
{
    setObjectName(QStringLiteral("FrmSPPrint_PrintDlg"));
    setWindowTitle(QStringLiteral("Print"));
    auto *layout = new QVBoxLayout(this);
    auto *frames = new QHBoxLayout;
    frames->addWidget(buildOptionFrame());
    frames->addWidget(buildRangeFrame());
    layout->addLayout(frames);

    auto *buttons = new QHBoxLayout;
    auto *print = new QPushButton(QStringLiteral("인쇄"), this);
    auto *setup = new QPushButton(QStringLiteral("세부설정"), this);
    auto *printer = new QPushButton(QStringLiteral("프린터 설정"), this);
    auto *close = new QPushButton(QStringLiteral("닫기"), this);
    connect(print, &QPushButton::clicked, this, &FrmSPPrint_PrintDlg::printClicked);
    connect(setup, &QPushButton::clicked, this, [this] {
        FrmSPPrint_PageSetup dialog(m_session, this);
        dialog.exec();
    });
    connect(printer, &QPushButton::clicked, this, &FrmSPPrint_PrintDlg::printerSetup);
    connect(close, &QPushButton::clicked, this, &FrmSPPrint_PrintDlg::reject);
    for (QPushButton *button : {print, setup, printer, close})
        buttons->addWidget(button);
    layout->addLayout(buttons);
    PressButtonsOnEnter(this);
    print->setDefault(true); // Enter in a field still prints
    load();
}

QWidget *FrmSPPrint_PrintDlg::buildOptionFrame()
{
    auto *frame = new QGroupBox(QStringLiteral("인쇄 옵션"), this);
    auto *layout = new QGridLayout(frame);
    for (int i = 0; i < PrintOptionCount; ++i) {
        auto *box = new QCheckBox(QString::fromUtf8(OptionCaptions[i]), frame);
        box->setObjectName(QStringLiteral("Check1_%1").arg(i));
        connect(box, &QCheckBox::clicked, this, [this, i] { optionClicked(i); });
        m_check[i] = box;
        layout->addWidget(box, i % 5, i / 5);
    }
    return frame;
}

QWidget *FrmSPPrint_PrintDlg::buildRangeFrame()
{
    auto *frame = new QGroupBox(QStringLiteral("인쇄 범위"), this);
    auto *layout = new QVBoxLayout(frame);
    for (int i = 0; i < 4; ++i) {
        auto *option = new QRadioButton(QString::fromUtf8(RangeCaptions[i]), frame);
        option->setObjectName(QStringLiteral("Option1_%1").arg(i));
        connect(option, &QRadioButton::toggled, this, &FrmSPPrint_PrintDlg::rangeChanged);
        m_option[i] = option;
        layout->addWidget(option);
    }
    auto *pages = new QHBoxLayout;
    for (int i = 0; i < 2; ++i) {
        auto *box = new QLineEdit(QStringLiteral("1"), frame);
        box->setObjectName(QStringLiteral("Text1_%1").arg(i));
        box->setFixedWidth(50);
        box->installEventFilter(this);
        m_text[i] = box;
    }
    pages->addWidget(m_text[0]);
    pages->addWidget(new QLabel(QStringLiteral("to"), frame));
    pages->addWidget(m_text[1]);
    pages->addStretch();
    layout->addLayout(pages);
    m_option[RangeAll]->setChecked(true);
    rangeChanged();
    return frame;
}

void FrmSPPrint_PrintDlg::load()
{
    const PrintSettings settings = m_session.settings();
    for (int i = 0; i < PrintOptionCount; ++i)
        m_check[i]->setChecked(settings.option(static_cast<PrintOption>(i)));
    if (m_session.scalingAllowed() == 0) {
        QCheckBox *fit = m_check[static_cast<int>(PrintOption::FitToPage)];
        fit->setChecked(false);
        fit->setEnabled(false);
    }
}

void FrmSPPrint_PrintDlg::optionClicked(int index)
{
    if (!isVisible())
        return;
    const bool on = m_check[index]->isChecked();
    m_session.settings().saveOption(static_cast<PrintOption>(index), on);
    if (SpreadGrid *grid = m_session.grid())
        ApplyPrintOption(m_session, *grid, index, on);
}

void FrmSPPrint_PrintDlg::rangeChanged()
{
    const bool pages = m_option[RangePages]->isChecked();
    for (QLineEdit *box : m_text)
        box->setEnabled(pages);
    if (pages)
        m_text[0]->setFocus();
}

bool FrmSPPrint_PrintDlg::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyRelease) {
        for (QLineEdit *box : m_text) {
            if (watched == box && !isNumeric(box->text()))
                box->setText(QStringLiteral("1"));
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool FrmSPPrint_PrintDlg::PrintSpread()
{
    SpreadGrid *grid = m_session.grid();
    if (!grid)
        return false;
    SpreadPrintSettings &print = grid->Print();
    if (m_option[RangeSelection]->isChecked()) {
        print.PrintRange = grid->SelectedBlock();
        print.PrintType = PrintTypeCellRange;
    } else if (m_option[RangeCurrentPage]->isChecked()) {
        print.PrintType = PrintTypeCurrentPage;
    } else if (m_option[RangePages]->isChecked()) {
        if (!choosePageRange(*grid))
            return false;
    } else {
        print.PrintType = PrintTypeAll;
    }
    if (!m_session.printGrid())
        return false;
    if (SessionPreview *preview = m_session.preview())
        preview->markPrinted();
    return true;
}

// The page boxes become the grid's page range when they name pages that
// exist, first to last; otherwise the user is told and the grid keeps its
// print range.
bool FrmSPPrint_PrintDlg::choosePageRange(SpreadGrid &grid)
{
    SpreadPrintSettings &print = grid.Print();
    const int previousType = print.PrintType;
    print.PrintType = PrintTypePageRange;
    const int pages = SpreadPrintJob::pageCount(grid, m_session.printer());
    const double first = std::trunc(PrintSettings::leadingNumber(m_text[0]->text()));
    const double last = std::trunc(PrintSettings::leadingNumber(m_text[1]->text()));
    if (first < 1 || last < first || last > pages) {
        print.PrintType = previousType;
        refusePageRange(pages);
        return false;
    }
    print.PrintPageStart = static_cast<int>(first);
    print.PrintPageEnd = static_cast<int>(last);
    return true;
}

void FrmSPPrint_PrintDlg::refusePageRange(int pageCount)
{
    const QString text = QStringLiteral("인쇄할 페이지 범위가 올바르지 않습니다.\n"
                                        "전체 %1 페이지 안에서 시작 페이지와 끝 페이지를 입력하십시오.")
                             .arg(pageCount);
    MessageBoxes::show(MessageRequest{text, m_session.appName(), MsgButtons::Ok, MsgIcon::Exclamation, MsgOk});
    m_text[0]->setFocus();
    m_text[0]->selectAll();
}

// A refused page range or a failed print leaves the dialog open to mend the
// range or choose another printer.
void FrmSPPrint_PrintDlg::printClicked()
{
    if (!PrintSpread())
        return;
    hide();
    if (SessionPreview *preview = m_session.preview())
        preview->closePreview();
    accept();
}

void FrmSPPrint_PrintDlg::printerSetup() { PrintDialogs::choosePrinter(m_session.printer(), this); }
