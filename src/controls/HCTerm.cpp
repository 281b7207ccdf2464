#include "HCTerm.h"

#include "Clock.h"
#include "DateEdit.h"
#include "DateFrame.h"
#include "DateLayout.h"
#include "DateText.h"
#include "EnterPressesButton.h"
#include "FrmEasyDate.h"
#include "PropertyStore.h"
#include "Twips.h"

#include <QPushButton>

HCTerm::HCTerm(QWidget *parent)
    : DateControlBase(parent), m_frames{new DateFrame(this), new DateFrame(this)}, m_presets(new QPushButton(this))
{
    for (DateFrame *frame : m_frames)
        setupFrame(frame);
    m_frames[0]->setPartNames(QStringLiteral("시작일"));
    m_frames[1]->setPartNames(QStringLiteral("종료일"));
    setFocusProxy(field(0));
    m_presets->setObjectName(QStringLiteral("cmdAdvn"));
    m_presets->setText(QStringLiteral("▼"));
    m_presets->setAccessibleName(QStringLiteral("기간 간편설정"));
    m_presets->setFocusPolicy(Qt::NoFocus);
    PressOnEnter(m_presets);
    QPalette palette = m_presets->palette();
    palette.setColor(QPalette::Button, DateColor::toQColor(0x0080FF));
    m_presets->setPalette(palette);
    connect(m_presets, &QPushButton::clicked, this, &HCTerm::openPresets);
    ToDay();
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    resize(sizeHint());
}

QSize HCTerm::sizeHint() const
{
    const qreal width = 2 * DateLayout::FrameWidth + DateLayout::PresetsWidth + 2 * DateLayout::Gap;
    return DateLayout::toPixels(QRectF(0, 0, width, DateLayout::FrameHeight)).size();
}

void HCTerm::setupFrame(DateFrame *frame)
{
    DateEdit *edit = frame->field();
    edit->setCheck(DateEdit::Check::BeforeLeaving);
    adoptField(edit);
    connect(frame, &DateFrame::DateClick, this, &HCTerm::DateClick);
}

DateEdit *HCTerm::field(int index) const { return m_frames[index]->field(); }

QString HCTerm::text1() const { return field(0)->dateText(); }

void HCTerm::setText1(const QString &text)
{
    field(0)->setDateText(text);
    emit propertyChanged(QStringLiteral("Text1"));
}

QString HCTerm::text2() const { return field(1)->dateText(); }

void HCTerm::setText2(const QString &text)
{
    field(1)->setDateText(text);
    emit propertyChanged(QStringLiteral("Text2"));
}

void HCTerm::setEasyDateShowPos(int pos)
{
    m_easyDateShowPos = pos;
    emit propertyChanged(QStringLiteral("EasyDateShowPos"));
}

void HCTerm::setPeriod(const QString &start, const QString &end)
{
    field(0)->setRawText(start);
    field(1)->setRawText(end);
}

void HCTerm::ToDay() { setPeriod(DateText::today(), DateText::today()); }

void HCTerm::ThisMonth()
{
    const QDate today = Clock::today();
    setPeriod(DateText::format(QDate(today.year(), today.month(), 1)), DateText::format(today));
}

void HCTerm::ThisYear()
{
    const QDate today = Clock::today();
    setPeriod(DateText::format(QDate(today.year(), 1, 1)), DateText::format(today));
}

void HCTerm::loadProperties(const PropertyStore &store)
{
    loadOptions(store);
    setPeriod(store.value(QStringLiteral("Text1"), DateText::today()).toString(),
              store.value(QStringLiteral("Text2"), DateText::today()).toString());
    m_easyDateShowPos = store.value(QStringLiteral("EasyDateShowPos"), int(ShowAtLeft)).toInt();
}

void HCTerm::saveProperties(PropertyStore &store) const
{
    saveOptions(store);
    const QString today = DateText::today();
    const QString keys[2] = {QStringLiteral("Text1"), QStringLiteral("Text2")};
    for (int i = 0; i < 2; ++i) {
        if (field(i)->rawText() != today)
            store.setValue(keys[i], field(i)->rawText());
    }
    store.setValue(QStringLiteral("EasyDateShowPos"), m_easyDateShowPos);
}

std::optional<QPointF> HCTerm::easyDateOrigin(int showPos, const QPointF &boxOrigin, qreal boxWidth, qreal dialogWidth)
{
    switch (showPos) {
    case ShowAtLeft: return boxOrigin;
    case ShowAtRight: return QPointF(boxOrigin.x() - (dialogWidth - boxWidth), boxOrigin.y());
    case ShowCentred: return QPointF(boxOrigin.x() - (dialogWidth - boxWidth) / 2, boxOrigin.y());
    default: return std::nullopt;
    }
}

void HCTerm::openPresets()
{
    if (!DateEdit::focusedFieldPasses())
        return;
    FrmEasyDate dialog(window());
    dialog.setText1(field(0)->rawText());
    dialog.setText2(field(1)->rawText());
    dialog.winId(); // the window frame is known once the native window exists
    const QPoint origin = mapToGlobal(QPoint(0, 0));
    const std::optional<QPointF> at = easyDateOrigin(
        m_easyDateShowPos, QPointF(pixelsToTwips(origin.x()), pixelsToTwips(origin.y())), pixelsToTwips(width()),
        pixelsToTwips(dialog.frameGeometry().width()));
    if (at)
        dialog.move(qRound(at->x() / TwipsPerPixel), qRound(at->y() / TwipsPerPixel));
    dialog.exec();
    if (dialog.ok())
        setPeriod(dialog.text1(), dialog.text2());
    field(0)->setFocus(Qt::OtherFocusReason);
    if (dialog.ok())
        emit PeriodChosen();
}

void HCTerm::resizeEvent(QResizeEvent *)
{
    const DateLayout::Period layout = DateLayout::period(DateLayout::toTwips(size()));
    for (int i = 0; i < 2; ++i)
        m_frames[i]->setGeometry(DateLayout::toPixels(layout.frames[i]));
    m_presets->setGeometry(DateLayout::toPixels(layout.presets));
}
