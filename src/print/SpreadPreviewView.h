#pragma once
#include "PreviewZoom.h"

#include <QAbstractScrollArea>
#include <QPageSize>
#include <QPointer>
#include <memory>

class SpreadGrid;
class SpreadPrintLayout;

// Shows a grid as printed pages: one page at a percentage, fitted to the
// width, the height or whole, or several pages across and down. The grid is
// laid out when bound and on relayout(); painting draws only the pages shown.
// The mouse wheel scrolls the pages shown and, at their top or bottom, turns
// to the previous or next pages.
class SpreadPreviewView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit SpreadPreviewView(QWidget *parent = nullptr);
    ~SpreadPreviewView() override;

    void setGrid(SpreadGrid *grid, const QPageSize &paper);
    // Lays the grid out again after its print properties or cells changed.
    void relayout();
    const SpreadPrintLayout *pageLayout() const { return m_layout.get(); }
    int pageCount() const;

    PreviewView view() const { return m_view; }
    void setView(const PreviewView &view);
    int currentPage() const { return m_currentPage; }
    void setCurrentPage(int page);
    int pagesPerScreen() const { return effectiveView().pagesPerScreen(); }
    bool isZoomed() const { return m_zoomed; }
    void toggleZoom();

signals:
    void pageChanged(int page);
    // The pages shown at once or the page count changed (view, zoom, layout).
    void viewChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    PreviewView effectiveView() const;
    QSizeF paperTwips() const;
    double pixelsPerTwip() const;
    QSize contentSize() const;
    void updateScrollBars();

    QPointer<SpreadGrid> m_grid;
    QPageSize m_paper = QPageSize(QPageSize::A4);
    std::unique_ptr<SpreadPrintLayout> m_layout;
    PreviewView m_view;
    int m_currentPage = 1;
    bool m_zoomed = false;
    int m_wheelTurn = 0; // wheel movement beyond the scroll range, not yet a whole step
};
