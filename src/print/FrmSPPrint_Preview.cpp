#include "FrmSPPrint_Preview.h"

#include "EnterPressesButton.h"
#include "FrmSPPrint_PageSetup.h"
#include "FrmSPPrint_PrintDlg.h"
#include "PreviewImages.h"
#include "PreviewPageDialog.h"
#include "PrintSession.h"
#include "ReDrawGuard.h"
#include "SpreadGrid.h"
#include "SpreadPreviewView.h"
#include "SpreadPrintLayout.h"
#include "modSpreadPrint.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QScreen>
#include <QShortcut>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int SpacerWidth = 6;

QWidget *spacer(QWidget *parent)
{
    auto *widget = new QWidget(parent);
    widget->setFixedWidth(SpacerWidth);
    return widget;
}
} // namespace

FrmSPPrint_Preview::FrmSPPrint_Preview(PrintSession &session, QWidget *parent) : QDialog(parent), m_session(session)
{
    setObjectName(QStringLiteral("FrmSPPrint_Preview"));
    setWindowTitle(QStringLiteral("스프레드 인쇄 미리보기"));
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint);
    openWithinTheScreen(QSize(1000, 760));
    m_session.setPreview(this);

    m_preview = new SpreadPreviewView(this);
    SetupToolbar();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_toolbar);
    layout->addWidget(m_preview, 1);
    connect(m_preview, &SpreadPreviewView::pageChanged, this, [this] {
        refreshButtons();
        UpdatePageCount();
    });
    connect(m_preview, &SpreadPreviewView::viewChanged, this, &FrmSPPrint_Preview::refreshButtons);

    addPageKeys();
    m_bPrintedOK = false;
    refreshButtons();
    SetPreviewZoom(m_session, m_session.zoomType());
}

// The design size, made smaller where the screen's free area (without task
// bars) cannot hold it with the window's frame, and placed inside that area.
void FrmSPPrint_Preview::openWithinTheScreen(const QSize &design)
{
    const QScreen *shownOn = parentWidget() ? parentWidget()->screen() : screen();
    const QRect room = shownOn->availableGeometry();
    const QSize frame(16, 48); // borders and title bar
    resize(design.boundedTo(room.size() - frame));
    move(room.left() + (room.width() - width() - frame.width()) / 2,
         room.top() + (room.height() - height() - frame.height()) / 2);
}

FrmSPPrint_Preview::~FrmSPPrint_Preview() { unload(); }

void FrmSPPrint_Preview::SetupToolbar()
{
    m_toolbar = new QToolBar(this);
    m_toolbar->setObjectName(QStringLiteral("tbToolBar"));
    m_toolbar->setMovable(false);
    m_toolbar->setFloatable(false);
    m_toolbar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_toolbar->setStyleSheet(QStringLiteral("QToolBar { background: rgb(192, 192, 192); border: none; spacing: 0px; }"
                                            "QToolButton, QLabel { color: black; font-family: \"MS Sans Serif\";"
                                            " font-size: 10pt; }"
                                            "QToolButton:disabled { color: rgb(128, 128, 128); }"));
    addButton(BtnNext, QStringLiteral("Next"), PreviewImages::Next);
    addButton(BtnPrevious, QStringLiteral("Previous"), PreviewImages::Previous);
    addButton(BtnZoom, QStringLiteral("Zoom"), PreviewImages::Zoom);
    addButton(BtnPrint, QStringLiteral("Print"), PreviewImages::Print);
    addButton(BtnSetup, QStringLiteral("Setup"), PreviewImages::Setup);
    m_pageLabel = new QLabel(m_toolbar);
    m_pageLabel->setObjectName(QStringLiteral("lblPage"));
    m_toolbar->addWidget(m_pageLabel);
    m_toolbar->addWidget(spacer(m_toolbar));
    addButton(BtnClose, QStringLiteral("Close"), PreviewImages::Close);
}

void FrmSPPrint_Preview::addButton(int position, const QString &caption, int image)
{
    auto *button = new QToolButton(m_toolbar);
    button->setObjectName(QStringLiteral("btn") + caption);
    button->setText(caption);
    button->setToolTip(caption);
    button->setIcon(PreviewImages::image(image));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    PressOnEnter(button);
    connect(button, &QToolButton::clicked, this, [this, position] { toolbarClicked(position); });
    m_toolbar->addWidget(button);
    m_toolbar->addWidget(spacer(m_toolbar));
    m_buttons.insert(position, button);
}

void FrmSPPrint_Preview::DisableButton(int position, int image)
{
    if (QToolButton *item = button(position)) {
        item->setEnabled(false);
        item->setIcon(PreviewImages::image(image));
    }
}

void FrmSPPrint_Preview::EnableButton(int position, int image)
{
    if (QToolButton *item = button(position)) {
        item->setEnabled(true);
        item->setIcon(PreviewImages::image(image));
    }
}

void FrmSPPrint_Preview::UpdatePageCount()
{
    m_pageLabel->setText(QStringLiteral("Page %1 of %2").arg(m_preview->currentPage()).arg(m_preview->pageCount()));
}

void FrmSPPrint_Preview::setView(const PreviewView &view) { m_preview->setView(view); }

int FrmSPPrint_Preview::currentPage() const { return m_preview->currentPage(); }

void FrmSPPrint_Preview::markPrinted() { m_bPrintedOK = true; }

void FrmSPPrint_Preview::closePreview() { reject(); }

void FrmSPPrint_Preview::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    Activate();
}

void FrmSPPrint_Preview::Activate()
{
    SpreadGrid *grid = m_session.grid();
    if (!grid || m_unloaded)
        return;
    const bool merging = grid->ColMerge(1) != MergeNone;
    if (merging && grid->ColID(1) != QLatin1String(PageNumberColumn))
        addPageNumberColumn(*grid);
    m_preview->setGrid(grid, m_session.printer().pageLayout().pageSize());
    if (grid->ColID(1) == QLatin1String(PageNumberColumn))
        writePageNumbers(*grid);
    UpdatePageCount();
}

// "Previous" while a page before the shown ones exists, "Next" while one
// after them does; run on every change of page, view, zoom or layout.
void FrmSPPrint_Preview::refreshButtons()
{
    const int page = m_preview->currentPage();
    if (page > 1)
        EnableButton(BtnPrevious, PreviewImages::Previous);
    else
        DisableButton(BtnPrevious, PreviewImages::PreviousDisabled);
    if (page < m_preview->pageCount() - m_preview->pagesPerScreen() + 1)
        EnableButton(BtnNext, PreviewImages::Next);
    else
        DisableButton(BtnNext, PreviewImages::NextDisabled);
}

void FrmSPPrint_Preview::addPageNumberColumn(SpreadGrid &grid)
{
    const ReDrawGuard noPaint(grid);
    grid.SetMaxCols(grid.MaxCols() + 1);
    grid.InsertCols(1, 1);
    grid.SetColID(1, QLatin1String(PageNumberColumn));
    grid.SetColHidden(1, true);
    m_savedMerge = grid.ColMerge(2);
    grid.SetColMerge(2, MergeRestricted);
}

void FrmSPPrint_Preview::writePageNumbers(SpreadGrid &grid)
{
    const ReDrawGuard noPaint(grid);
    grid.SetColMerge(1, MergeNone);
    const QList<int> breaks = m_preview->pageLayout()->pageBreakRows();
    int page = 0;
    qsizetype next = 0;
    for (int row = 1; row <= grid.MaxRows(); ++row) {
        while (next < breaks.size() && breaks.at(next) <= row) {
            ++page;
            ++next;
        }
        grid.SetText(1, row, QString::number(page));
    }
    grid.SetColMerge(1, MergeAlways);
}

void FrmSPPrint_Preview::removePageNumberColumn()
{
    SpreadGrid *grid = m_session.grid();
    if (!grid || grid->ColID(1) != QLatin1String(PageNumberColumn))
        return;
    const ReDrawGuard noPaint(*grid);
    grid->DeleteCols(1, 1);
    grid->SetMaxCols(grid->MaxCols() - 1);
    grid->SetColMerge(1, static_cast<SpreadMerge>(m_savedMerge));
}

void FrmSPPrint_Preview::toolbarClicked(int position)
{
    switch (position) {
    case BtnNext: nextPage(); break;
    case BtnPrevious: previousPage(); break;
    case BtnZoom: m_preview->toggleZoom(); break;
    case BtnPrint: {
        FrmSPPrint_PrintDlg dialog(m_session, this);
        openChild(dialog);
        break;
    }
    case BtnSetup: {
        FrmSPPrint_PageSetup dialog(m_session, this);
        openChild(dialog);
        break;
    }
    case BtnClose: close(); break;
    default: break;
    }
}

void FrmSPPrint_Preview::openChild(QDialog &dialog)
{
    dialog.exec();
    if (!m_unloaded && isVisible())
        Activate();
}

void FrmSPPrint_Preview::addPageKeys()
{
    const std::pair<QKeySequence, void (FrmSPPrint_Preview::*)()> keys[] = {
        {QKeySequence(Qt::Key_PageDown), &FrmSPPrint_Preview::nextPage},
        {QKeySequence(Qt::Key_PageUp), &FrmSPPrint_Preview::previousPage},
        {QKeySequence(Qt::Key_Home), &FrmSPPrint_Preview::firstPage},
        {QKeySequence(Qt::Key_End), &FrmSPPrint_Preview::lastPage},
        {QKeySequence(Qt::CTRL | Qt::Key_Home), &FrmSPPrint_Preview::firstPage},
        {QKeySequence(Qt::CTRL | Qt::Key_End), &FrmSPPrint_Preview::lastPage},
    };
    for (const auto &[key, action] : keys)
        connect(new QShortcut(key, this), &QShortcut::activated, this, action);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_G), this), &QShortcut::activated, this,
            [this] { askForPage(QString::number(m_preview->currentPage()), true); });
}

// A digit typed where no field takes it starts a page number.
void FrmSPPrint_Preview::keyPressEvent(QKeyEvent *event)
{
    const QString typed = event->text();
    if (event->modifiers() == Qt::NoModifier && typed.size() == 1 && typed.at(0) >= QLatin1Char('1')
        && typed.at(0) <= QLatin1Char('9')) {
        askForPage(typed, false);
        return;
    }
    QDialog::keyPressEvent(event);
}

void FrmSPPrint_Preview::askForPage(const QString &start, bool selected)
{
    PreviewPageDialog dialog(start, selected, m_preview->pageCount(), this);
    if (dialog.exec() == QDialog::Accepted && dialog.page() > 0)
        m_preview->setCurrentPage(dialog.page());
}

// The buttons follow the page through pageChanged.
void FrmSPPrint_Preview::nextPage()
{
    if (m_preview->currentPage() < m_preview->pageCount())
        m_preview->setCurrentPage(m_preview->currentPage() + m_preview->pagesPerScreen());
}

void FrmSPPrint_Preview::previousPage()
{
    if (m_preview->currentPage() > 1)
        m_preview->setCurrentPage(m_preview->currentPage() - m_preview->pagesPerScreen());
}

void FrmSPPrint_Preview::firstPage() { m_preview->setCurrentPage(1); }

// The last screenful: the last page, and the pages before it that the view shows with it.
void FrmSPPrint_Preview::lastPage()
{
    m_preview->setCurrentPage(m_preview->pageCount() - m_preview->pagesPerScreen() + 1);
}

void FrmSPPrint_Preview::done(int result)
{
    unload();
    QDialog::done(result);
}

// Once, on closing (or on destruction when never closed): the grid loses the
// page-number column and the session the preview, so that the session may end
// before the window does.
void FrmSPPrint_Preview::unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    removePageNumberColumn();
    if (m_session.preview() == this)
        m_session.setPreview(nullptr);
}
