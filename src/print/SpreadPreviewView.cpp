#include "SpreadPreviewView.h"

#include "SpreadGrid.h"
#include "SpreadPageRenderer.h"
#include "SpreadPrintLayout.h"
#include "WaitCursor.h"

#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

namespace {
constexpr int Gap = 12; // pixels around and between pages
constexpr double TwipsPerInch = 1440;
constexpr int WheelStep = 120; // one notch of a mouse wheel
} // namespace

SpreadPreviewView::SpreadPreviewView(QWidget *parent) : QAbstractScrollArea(parent)
{
    viewport()->setAutoFillBackground(false);
    setMinimumSize(200, 150);
}

SpreadPreviewView::~SpreadPreviewView() = default;

void SpreadPreviewView::setGrid(SpreadGrid *grid, const QPageSize &paper)
{
    m_grid = grid;
    m_paper = paper;
    relayout();
}

void SpreadPreviewView::relayout()
{
    if (!m_grid) {
        m_layout.reset();
    } else {
        const WaitCursor wait;
        m_layout = std::make_unique<SpreadPrintLayout>(*m_grid, m_paper);
    }
    m_currentPage = qBound(1, m_currentPage, pageCount());
    updateScrollBars();
    viewport()->update();
    emit pageChanged(m_currentPage);
    emit viewChanged();
}

int SpreadPreviewView::pageCount() const { return m_layout ? m_layout->pageCount() : 1; }

void SpreadPreviewView::setView(const PreviewView &view)
{
    m_view = view;
    m_zoomed = false;
    updateScrollBars();
    viewport()->update();
    emit viewChanged();
}

void SpreadPreviewView::setCurrentPage(int page)
{
    const int bounded = qBound(1, page, pageCount());
    if (bounded == m_currentPage)
        return;
    m_currentPage = bounded;
    viewport()->update();
    emit pageChanged(m_currentPage);
}

void SpreadPreviewView::toggleZoom()
{
    m_zoomed = !m_zoomed;
    updateScrollBars();
    viewport()->update();
    emit viewChanged();
}

// Zoomed in: one page at 100 %, or at 200 % when the view is already that large.
PreviewView SpreadPreviewView::effectiveView() const
{
    if (!m_zoomed)
        return m_view;
    PreviewView zoomed;
    zoomed.type = PreviewViewType::Percentage;
    zoomed.percent = m_view.type == PreviewViewType::Percentage && m_view.percent >= 100 ? 200 : 100;
    return zoomed;
}

QSizeF SpreadPreviewView::paperTwips() const
{
    if (m_layout)
        return m_layout->paperSize();
    return m_paper.size(QPageSize::Inch) * TwipsPerInch;
}

double SpreadPreviewView::pixelsPerTwip() const
{
    const PreviewView view = effectiveView();
    const QSizeF paper = paperTwips();
    const QSize area = viewport()->size();
    const double byWidth = (area.width() - 2.0 * Gap) / paper.width();
    const double byHeight = (area.height() - 2.0 * Gap) / paper.height();
    double scale = 0;
    switch (view.type) {
    case PreviewViewType::Percentage: scale = view.percent / 100.0 * logicalDpiX() / TwipsPerInch; break;
    case PreviewViewType::PageWidth: scale = byWidth; break;
    case PreviewViewType::PageHeight: scale = byHeight; break;
    case PreviewViewType::WholePage: scale = qMin(byWidth, byHeight); break;
    case PreviewViewType::MultiplePages:
        scale = qMin((area.width() - (view.across + 1.0) * Gap) / (view.across * paper.width()),
                     (area.height() - (view.down + 1.0) * Gap) / (view.down * paper.height()));
        break;
    }
    return qMax(scale, 0.001);
}

QSize SpreadPreviewView::contentSize() const
{
    const PreviewView view = effectiveView();
    const QSizeF page = paperTwips() * pixelsPerTwip();
    return QSize(qCeil(view.across * page.width() + (view.across + 1) * Gap),
                 qCeil(view.down * page.height() + (view.down + 1) * Gap));
}

void SpreadPreviewView::updateScrollBars()
{
    const QSize content = contentSize();
    const QSize area = viewport()->size();
    horizontalScrollBar()->setRange(0, qMax(0, content.width() - area.width()));
    horizontalScrollBar()->setPageStep(area.width());
    verticalScrollBar()->setRange(0, qMax(0, content.height() - area.height()));
    verticalScrollBar()->setPageStep(area.height());
}

void SpreadPreviewView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void SpreadPreviewView::wheelEvent(QWheelEvent *event)
{
    QScrollBar *bar = verticalScrollBar();
    const int delta = event->angleDelta().y();
    const bool forward = delta < 0;
    if (delta == 0 || (forward ? bar->value() < bar->maximum() : bar->value() > bar->minimum())) {
        m_wheelTurn = 0;
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    event->accept();
    m_wheelTurn += delta;
    if (qAbs(m_wheelTurn) < WheelStep)
        return;
    m_wheelTurn = 0;
    const int page = m_currentPage + (forward ? pagesPerScreen() : -pagesPerScreen());
    if (qBound(1, page, pageCount()) == m_currentPage)
        return;
    setCurrentPage(page);
    bar->setValue(forward ? bar->minimum() : bar->maximum());
}

void SpreadPreviewView::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), QColor(128, 128, 128));
    if (!m_layout || !m_grid)
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const PreviewView view = effectiveView();
    const QSizeF page = paperTwips() * pixelsPerTwip();
    const QSize content = contentSize();
    const QPointF origin(qMax(0, (viewport()->width() - content.width()) / 2) - horizontalScrollBar()->value(),
                         qMax(0, (viewport()->height() - content.height()) / 2) - verticalScrollBar()->value());
    const SpreadPageRenderer renderer(*m_grid, *m_layout);
    for (int i = 0; i < view.pagesPerScreen(); ++i) {
        const int number = m_currentPage + i;
        if (number > pageCount())
            break;
        const QPointF topLeft = origin
                                + QPointF(Gap + (i % view.across) * (page.width() + Gap),
                                          Gap + (i / view.across) * (page.height() + Gap));
        const QRectF target(topLeft, page);
        painter.fillRect(target.translated(3, 3), QColor(64, 64, 64));
        renderer.render(painter, target, number);
    }
}
