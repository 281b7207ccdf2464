#include "FillProgress.h"

#include "SpreadGrid.h"

#include <QEvent>
#include <QLocale>
#include <QTableView>

namespace {
constexpr int Margin = 6;
} // namespace

FillProgress::FillProgress(SpreadGrid &grid) : QLabel(grid.view()->viewport())
{
    setObjectName(QStringLiteral("fillProgress"));
    setAutoFillBackground(true);
    setFrameShape(QFrame::Box);
    setMargin(4);
    parentWidget()->installEventFilter(this);
}

void FillProgress::showRows(int rows)
{
    setText(QLocale(QLocale::Korean).toString(rows) + QStringLiteral("건 조회 중..."));
    adjustSize();
    place();
    show();
    raise();
}

bool FillProgress::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize)
        place();
    return QLabel::eventFilter(watched, event);
}

void FillProgress::place()
{
    const QSize room = parentWidget()->size();
    move(room.width() - width() - Margin, room.height() - height() - Margin);
}
