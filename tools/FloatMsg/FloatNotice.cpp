#include "FloatNotice.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace {
constexpr int kMarginPx = 16;
constexpr int kGapPx = 6; // between stacked notices
} // namespace

FloatNotice::FloatNotice(const QString &text, int timeMs, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus),
      m_label(new QLabel(text, this)), m_timeMs(timeMs)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::NoFocus);
    setStyleSheet(QStringLiteral("FloatNotice { background: #b9dcb9; border: 1px solid #033796; }"
                                 "QLabel { color: #033796; padding: 12px 20px; }"));
    setAttribute(Qt::WA_StyledBackground);
    QFont font = m_label->font();
    font.setBold(true);
    m_label->setFont(font);
    m_label->setAlignment(Qt::AlignCenter);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_label);
}

QString FloatNotice::text() const { return m_label->text(); }

void FloatNotice::showInCorner(int slot)
{
    adjustSize();
    placeInCorner(slot);
    show();
    QTimer::singleShot(m_timeMs, this, &QWidget::close);
}

void FloatNotice::placeInCorner(int slot)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const int bottom = area.bottom() - kMarginPx - slot * (height() + kGapPx);
    move(area.right() - width() - kMarginPx, std::max(area.top(), bottom - height()));
}
