#include "FrmSPPrint_HeaderFooter.h"

#include "EnterPressesButton.h"
#include "MessageBoxes.h"
#include "PrintDialogs.h"
#include "PrintMarkupText.h"
#include "PrintSession.h"
#include "SpreadGrid.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>
#include <cmath>

namespace {
constexpr QChar Quote = QLatin1Char('"');
const QColor PageNumberColour(0x80, 0x80, 0x80);
constexpr int TextColumns[] = {FrmSPPrint_HeaderFooter::ColLeft, FrmSPPrint_HeaderFooter::ColCenter,
                               FrmSPPrint_HeaderFooter::ColRight};

QString flag(const char *code, bool on) { return QLatin1String(code) + (on ? QLatin1Char('1') : QLatin1Char('0')); }

const char *const Instructions[] = {
    "To customize header or footer text:",
    "1. Choose to apply text to the Header or Footer",
    "2. Enter your text below and press the OK button to save your changes",
    "- Text in the first column will be left justified, center column will be centered, and the right column will "
    "be right justified",
    "- You can change the font characteristics by pressing the button next to the selected cell",
    "To Insert Page Numbers:",
    "Right click the mouse to insert/remove page numbering to the highlighted cell",
    "Press the Save button before changing the 'Apply to' to avoid losing your changes",
};
} // namespace

FrmSPPrint_HeaderFooter::FrmSPPrint_HeaderFooter(PrintSession &session, QWidget *parent)
    : QDialog(parent), m_session(session)
{
    setObjectName(QStringLiteral("FrmSPPrint_HeaderFooter"));
    setWindowTitle(QStringLiteral("Change Header/Footer Attributes"));
    m_spread = new SpreadGrid(this);
    m_spread->setObjectName(QStringLiteral("spHeader"));
    m_spread->setGridName(QStringLiteral("Header/Footer"));

    m_save = new QPushButton(QStringLiteral("Save Header Text"), this);
    m_reset = new QPushButton(QStringLiteral("Reset Text"), this);
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    auto *defaults = new QPushButton(QStringLiteral("기본값"), this);
    connect(m_save, &QPushButton::clicked, this, [this] {
        SaveConfiguration();
        m_save->setEnabled(false);
    });
    connect(m_reset, &QPushButton::clicked, this, &FrmSPPrint_HeaderFooter::resetText);
    connect(ok, &QPushButton::clicked, this, [this] {
        SaveConfiguration();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &FrmSPPrint_HeaderFooter::reject);

    auto *top = new QHBoxLayout;
    top->addWidget(buildInstructions(), 1);
    top->addWidget(buildApplyFrame());
    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {m_save, m_reset, defaults})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_spread, 1);
    layout->addLayout(buttons);

    InitSpread();
    connect(m_spread, &SpreadGrid::ButtonClicked, this, &FrmSPPrint_HeaderFooter::chooseFont);
    connect(m_spread, &SpreadGrid::RightClick, this, &FrmSPPrint_HeaderFooter::rightClick);
    connect(m_spread, &SpreadGrid::EditModeOn, this, [this] { m_save->setEnabled(true); });

    // Selecting "Header Text" loads the header, once.
    m_apply[HeaderText]->setChecked(true);
    fitGridSize();
    PressButtonsOnEnter(this);
}

QWidget *FrmSPPrint_HeaderFooter::buildInstructions()
{
    auto *panel = new QWidget(this);
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    for (const char *text : Instructions) {
        auto *label = new QLabel(QString::fromUtf8(text), panel);
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    return panel;
}

QWidget *FrmSPPrint_HeaderFooter::buildApplyFrame()
{
    auto *frame = new QGroupBox(QStringLiteral("Apply to"), this);
    auto *layout = new QVBoxLayout(frame);
    m_apply[HeaderText] = new QRadioButton(QStringLiteral("Header Text"), frame);
    m_apply[FooterText] = new QRadioButton(QStringLiteral("FooterText"), frame);
    for (QRadioButton *option : m_apply) {
        layout->addWidget(option);
        connect(option, &QRadioButton::toggled, this, [this, option](bool on) {
            QFont font = option->font();
            font.setBold(on);
            option->setFont(font);
            if (on)
                applyToChanged();
        });
    }
    return frame;
}

void FrmSPPrint_HeaderFooter::InitSpread()
{
    static const char *const Headings[] = {"Left Justify", "", "Center", "", "Right Justify", ""};
    m_spread->SetMaxCols(6);
    m_spread->SetMaxRows(Lines);
    m_spread->SetColWidth(0, 5);
    for (int col = ColLeft; col <= ColRightFont; ++col) {
        m_spread->SetText(col, 0, QString::fromLatin1(Headings[col - 1]));
        const bool button = col % 2 == 0;
        m_spread->SetColWidth(col, button ? 3 : 20);
        if (button) {
            m_spread->SetCol(col);
            m_spread->SetRow(AllCells);
            m_spread->SetCellType(CellTypeButton);
            m_spread->SetTypeButtonText(QStringLiteral("..."));
        }
    }
    for (int row = 1; row <= Lines; ++row)
        m_spread->SetText(0, row, QStringLiteral("Line ") + QString::number(row));
}

void FrmSPPrint_HeaderFooter::GetHeaderDetail(const QString &detailText)
{
    for (int row = 1; row <= Lines; ++row) {
        for (int col : TextColumns)
            setTextCell(col, row, QString());
    }
    if (detailText.isEmpty())
        return;
    const HeaderDetailReader::Result result = m_reader.read(detailText);
    for (auto it = result.cells.constBegin(); it != result.cells.constEnd(); ++it) {
        const int row = it.key().first;
        const int col = it.key().second;
        if (row > Lines)
            continue;
        if (it->hasFont)
            applyCellFont(col, row, it->font);
        if (it->pageNumber)
            setPageNumberCell(col, row);
        else if (it->hasText)
            setTextCell(col, row, it->text);
    }
    if (!result.error.isEmpty()) {
        MessageBoxes::show(
            MessageRequest{result.error, QStringLiteral("GetHeaderDetail"), MsgButtons::Ok, MsgIcon::None, MsgOk});
    }
}

void FrmSPPrint_HeaderFooter::applyCellFont(int col, int row, const MarkupFont &font)
{
    QFont cellFont = m_spread->CellFont(col, row);
    if (!font.name.isEmpty())
        cellFont.setFamily(font.name);
    if (font.size > 0)
        cellFont.setPointSizeF(font.size);
    cellFont.setBold(font.bold);
    cellFont.setItalic(font.italic);
    cellFont.setUnderline(font.underline);
    cellFont.setStrikeOut(font.strikeOut);
    m_spread->SetCol(col);
    m_spread->SetRow(row);
    m_spread->SetCellFont(cellFont);
    fitRowHeight(row);
}

// A line is as tall as the largest font in it needs, never lower than the
// grid's own lines.
void FrmSPPrint_HeaderFooter::fitRowHeight(int row)
{
    double points = m_spread->RowHeight(AllCells);
    for (int col : TextColumns) {
        const double textPixels = QFontMetricsF(m_spread->CellFont(col, row)).height() + 4;
        points = std::max(points, textPixels * 72.0 / m_spread->logicalDpiY());
    }
    m_spread->SetRowHeight(row, points);
}

// The grid shows all its columns and lines without scrolling.
void FrmSPPrint_HeaderFooter::fitGridSize()
{
    const QTableView *view = m_spread->view();
    const int height = 2 * view->frameWidth() + view->horizontalHeader()->sizeHint().height()
                       + view->verticalHeader()->length();
    m_spread->setMinimumSize(m_spread->WidthForAllCols(), height);
}

QString FrmSPPrint_HeaderFooter::GetCellData(int col, int row) const
{
    const QFont font = m_spread->CellFont(col, row);
    const QString position = col == ColLeft     ? QStringLiteral("/l")
                             : col == ColCenter ? QStringLiteral("/c")
                                                : QStringLiteral("/r");
    const QString content = isPageNumberCell(col, row) ? QStringLiteral("/p")
                                                       : PrintMarkupText::literal(m_spread->text(col, row));
    return QStringLiteral("/fn") + Quote + m_spread->FontName(col, row) + Quote + QStringLiteral("/fz") + Quote
           + QString::number(std::lround(m_spread->FontSize(col, row))) + Quote
           + flag("/fb", m_spread->FontBold(col, row)) + flag("/fi", m_spread->FontItalic(col, row))
           + flag("/fu", m_spread->FontUnderline(col, row)) + flag("/fk", m_spread->FontStrikethru(col, row)) + position
           + content;
}

void FrmSPPrint_HeaderFooter::SaveConfiguration()
{
    endEditing();
    int lastLine = 0;
    for (int row = 1; row <= Lines; ++row) {
        for (int col : TextColumns) {
            if (!m_spread->text(col, row).isEmpty())
                lastLine = row;
        }
    }
    QString markup;
    for (int row = 1; row <= lastLine; ++row) {
        for (int col : TextColumns) {
            if (!m_spread->text(col, row).isEmpty())
                markup += GetCellData(col, row);
        }
        markup += QStringLiteral("/n");
    }
    selectedProperty() = markup;
}

QString &FrmSPPrint_HeaderFooter::selectedProperty() const
{
    static QString unused;
    SpreadGrid *grid = m_session.grid();
    if (!grid)
        return unused = QString();
    SpreadPrintSettings &print = grid->Print();
    return m_apply[FooterText]->isChecked() ? print.PrintFooter : print.PrintHeader;
}

void FrmSPPrint_HeaderFooter::applyToChanged()
{
    const bool footer = m_apply[FooterText]->isChecked();
    m_save->setText(footer ? QStringLiteral("Save Footer Text") : QStringLiteral("Save Header Text"));
    GetHeaderDetail(selectedProperty());
}

void FrmSPPrint_HeaderFooter::resetText()
{
    const MsgAnswer answer = MessageBoxes::show(MessageRequest{
        QStringLiteral("Are you sure you want to clear the text and formatting for the selected header?"),
        QStringLiteral("Clear Text"), MsgButtons::YesNo, MsgIcon::Question, MsgNo});
    if (answer != MsgYes)
        return;
    QString &property = selectedProperty();
    property.clear();
    GetHeaderDetail(property);
}

void FrmSPPrint_HeaderFooter::chooseFont(int col, int row)
{
    if (col != ColLeftFont && col != ColCenterFont && col != ColRightFont)
        return;
    const int textCol = col - 1;
    const std::optional<QFont> chosen = PrintDialogs::chooseFont(m_spread->CellFont(textCol, row),
                                                                 m_spread->ForeColor(textCol, row), this);
    if (!chosen)
        return;
    m_spread->SetCol(textCol);
    m_spread->SetRow(row);
    m_spread->SetCellFont(*chosen);
    fitRowHeight(row);
}

void FrmSPPrint_HeaderFooter::rightClick()
{
    const int col = m_spread->ActiveCol();
    const int row = m_spread->ActiveRow();
    if ((col != ColLeft && col != ColCenter && col != ColRight) || row < 1 || row > Lines)
        return;
    if (isPageNumberCell(col, row)) {
        setTextCell(col, row, QString());
        return;
    }
    if (!m_spread->text(col, row).isEmpty()) {
        const MsgAnswer answer = MessageBoxes::show(MessageRequest{
            QStringLiteral("Inserting page numbering in this cell will overwrite your exiting text.  Do you want to "
                           "replace the existing text with page numbers?"),
            QStringLiteral("Replace Existing Text"), MsgButtons::YesNo, MsgIcon::Question, MsgYes});
        if (answer != MsgYes)
            return;
    }
    setPageNumberCell(col, row);
}

bool FrmSPPrint_HeaderFooter::isPageNumberCell(int col, int row) const
{
    return m_spread->text(col, row) == QLatin1String(PageNumberText)
           && m_spread->CellType(col, row) == CellTypeStaticText;
}

void FrmSPPrint_HeaderFooter::setPageNumberCell(int col, int row)
{
    m_spread->SetCol(col);
    m_spread->SetRow(row);
    m_spread->SetCellType(CellTypeStaticText);
    m_spread->SetForeColor(PageNumberColour);
    m_spread->SetLock(true);
    m_spread->SetText(col, row, QLatin1String(PageNumberText));
}

void FrmSPPrint_HeaderFooter::setTextCell(int col, int row, const QString &text)
{
    m_spread->SetCol(col);
    m_spread->SetRow(row);
    m_spread->SetCellType(CellTypeEdit);
    m_spread->SetForeColor(Qt::black);
    m_spread->SetLock(false);
    m_spread->SetText(col, row, text);
}

// Commits the text of a cell still being edited.
void FrmSPPrint_HeaderFooter::endEditing()
{
    QTableView *view = m_spread->view();
    QWidget *focus = QApplication::focusWidget();
    if (!view || !focus || !view->viewport()->isAncestorOf(focus))
        return;
    QMetaObject::invokeMethod(view, "commitData", Q_ARG(QWidget *, focus));
    QMetaObject::invokeMethod(view, "closeEditor", Q_ARG(QWidget *, focus),
                              Q_ARG(QAbstractItemDelegate::EndEditHint, QAbstractItemDelegate::NoHint));
}
