#include "FrmEasyDate.h"

#include "Clock.h"
#include "DateColor.h"
#include "DateEdit.h"
#include "DateFrame.h"
#include "DateLayout.h"
#include "DateText.h"
#include "EnterPressesButton.h"
#include "PeriodPresets.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <array>

namespace {
constexpr qreal ClientWidth = 5970;
constexpr qreal ClientHeight = 3510;
constexpr std::array<qreal, 7> RowTops = {630, 1035, 1440, 1845, 2250, 2655, 3060};
constexpr std::array<qreal, 5> ColumnLefts = {495, 1575, 2655, 3735, 4815};
constexpr qreal PresetWidth = 1050;
constexpr qreal HalfYearWidth = 2130;
constexpr qreal RowHeight = 375;
constexpr qreal ShiftWidth = 510;
constexpr std::array<qreal, 2> ShiftLefts = {4815, 5355};

struct Label {
    const char *caption;
    qreal top;
};
constexpr std::array<Label, 7> Labels = {
    {{"일", 750}, {"주", 1155}, {"월", 1560}, {"년", 1965}, {"분기", 2340}, {"반기", 2745}, {"최근", 3150}}};

// Background colours of the current day, month and year buttons.
struct Highlight {
    int preset;
    uint colour;
};
constexpr std::array<Highlight, 3> Highlights = {{{2, 0x00FF00}, {10, 0x00FFFF}, {14, 0xFFFF00}}};
constexpr std::array<int, 4> CurrentPresets = {2, 6, 10, 14};

QRectF presetRect(int preset)
{
    if (preset < PeriodPresets::FirstHalf)
        return QRectF(ColumnLefts.at(preset % 4), RowTops.at(preset / 4), PresetWidth, RowHeight);
    if (preset < 22)
        return QRectF(ColumnLefts.at(2 * (preset - PeriodPresets::FirstHalf)), RowTops.at(5), HalfYearWidth, RowHeight);
    return QRectF(ColumnLefts.at(preset - 22), RowTops.at(6), PresetWidth, RowHeight);
}

void setBold(QWidget *widget)
{
    QFont font = widget->font();
    font.setBold(true);
    widget->setFont(font);
}
} // namespace

FrmEasyDate::FrmEasyDate(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(QStringLiteral("기간 간편설정"));
    setFixedSize(DateLayout::toPixels(QRectF(0, 0, ClientWidth, ClientHeight)).size());
    buildFields();
    buildCommands();
    buildLabels();
    buildPresets();
    buildShifts();
    markCurrentButtons();
    setTabOrder(field(0), field(1));
    setTabOrder(field(1), m_okButton);
    setTabOrder(m_okButton, m_closeButton);
    PressButtonsOnEnter(this);
    field(0)->setFocus();
}

DateEdit *FrmEasyDate::field(int index) const { return m_frames[index]->field(); }

void FrmEasyDate::buildFields()
{
    const std::array<qreal, 2> lefts = {90, 1935};
    for (int i = 0; i < 2; ++i) {
        m_frames[i] = new DateFrame(this);
        m_frames[i]->setGeometry(
            DateLayout::toPixels(QRectF(lefts.at(i), 90, DateLayout::FrameWidth, DateLayout::FrameHeight)));
        DateEdit *edit = field(i);
        edit->setCheck(DateEdit::Check::BeforeLeaving);
        edit->setToday();
    }
}

void FrmEasyDate::buildCommands()
{
    m_okButton = button(QStringLiteral("확인(&O)"), QRectF(3780, 75, 1005, 420));
    m_closeButton = button(QStringLiteral("닫기(&C)"), QRectF(4815, 75, 1050, 420));
    connect(m_okButton, &QPushButton::clicked, this, &FrmEasyDate::confirm);
    connect(m_closeButton, &QPushButton::clicked, this, &FrmEasyDate::reject);
}

void FrmEasyDate::buildLabels()
{
    for (const Label &label : Labels) {
        auto *text = new QLabel(QString::fromUtf8(label.caption), this);
        text->setFont(QFont(QStringLiteral("굴림"), 9, QFont::Bold));
        text->setGeometry(DateLayout::toPixels(QRectF(45, label.top, 435, 240)));
    }
}

void FrmEasyDate::buildPresets()
{
    for (int n = 0; n < PeriodPresets::PresetCount; ++n) {
        QPushButton *preset = button(PeriodPresets::caption(n), presetRect(n));
        preset->setObjectName(QStringLiteral("cmdTermCng%1").arg(n));
        preset->setFont(QFont(QStringLiteral("굴림체"), 9));
        connect(preset, &QPushButton::clicked, this, [this, n] { applyPreset(n); });
        m_presets << preset;
    }
    for (int n : CurrentPresets)
        setBold(m_presets.at(n));
    for (const Highlight &h : Highlights) {
        QPalette palette = m_presets.at(h.preset)->palette();
        palette.setColor(QPalette::Button, DateColor::toQColor(h.colour));
        m_presets.at(h.preset)->setPalette(palette);
    }
}

void FrmEasyDate::buildShifts()
{
    for (int n = 0; n < PeriodPresets::ShiftCount; ++n) {
        const QRectF rect(ShiftLefts.at(n % 2), RowTops.at(n / 2), ShiftWidth, RowHeight);
        QPushButton *shift = button(n % 2 == 0 ? QStringLiteral("◀") : QStringLiteral("▶"), rect);
        shift->setObjectName(QStringLiteral("cmdMvDate%1").arg(n));
        connect(shift, &QPushButton::clicked, this, [this, n] { applyShift(n); });
        m_shifts << shift;
    }
}

QPushButton *FrmEasyDate::button(const QString &caption, const QRectF &twips)
{
    auto *pushButton = new QPushButton(caption, this);
    pushButton->setGeometry(DateLayout::toPixels(twips));
    return pushButton;
}

void FrmEasyDate::markCurrentButtons()
{
    const QDate today = Clock::today();
    setBold(m_presets.at(PeriodPresets::quarterButton(today)));
    setBold(m_presets.at(PeriodPresets::halfYearButton(today)));
}

void FrmEasyDate::setText(int index, const QString &text)
{
    if (!DateText::isDate(text))
        return;
    m_texts[index] = DateText::normalized(text);
    field(index)->setRawText(m_texts[index]);
}

void FrmEasyDate::applyPreset(int preset)
{
    const DatePeriod period = PeriodPresets::preset(preset, Clock::today());
    field(0)->setRawText(DateText::format(period.start));
    field(1)->setRawText(DateText::format(period.end));
    confirm();
}

void FrmEasyDate::applyShift(int shift)
{
    for (int i = 0; i < 2; ++i) {
        if (!field(i)->checkDate())
            return;
    }
    const DatePeriod shown{DateText::toDate(field(0)->rawText()), DateText::toDate(field(1)->rawText())};
    const DatePeriod period = PeriodPresets::shift(shift, shown);
    field(0)->setRawText(DateText::format(period.start));
    field(1)->setRawText(DateText::format(period.end));
}

void FrmEasyDate::confirm()
{
    m_ok = true;
    m_texts[0] = field(0)->rawText();
    m_texts[1] = field(1)->rawText();
    accept();
}

void FrmEasyDate::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect grey = DateLayout::toPixels(QRectF(90, 540, 5900 - 90, 0));
    const QRect white = DateLayout::toPixels(QRectF(90, 555, 5900 - 90, 0));
    painter.setPen(DateColor::toQColor(DateColor::Grey));
    painter.drawLine(grey.topLeft(), grey.topRight());
    painter.setPen(Qt::white);
    painter.drawLine(white.topLeft(), white.topRight());
}
