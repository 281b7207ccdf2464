#pragma once
#include <QDialog>
#include <QMargins>

class QCalendarWidget;
class QLabel;
class QToolButton;

// The calendar popup "날짜 선택": one month view under a header that names the
// month the Korean way ("2011년 1월") between previous and next month arrows,
// the window sized to them, the days of the week named in Korean.
// Clicking a day or pressing Enter stores the date in Text and closes; Esc and
// the close box close without storing. Shown modally; read Text afterwards.
class FrmCalendar : public QDialog {
    Q_OBJECT
    Q_PROPERTY(QString Text READ text WRITE setText)
public:
    explicit FrmCalendar(QWidget *parent = nullptr);

    QString text() const { return m_text; }
    // A date is stored and shown in the month view; anything else changes nothing.
    void setText(const QString &text);
    QCalendarWidget *monthView() const { return m_monthView; }
    QString monthTitle() const;
    // Opens with its window frame just under the anchor (a field, in screen
    // pixels), left-aligned with it, moved only as far as needed to stay on
    // the screen.
    void placeUnder(const QRect &anchor);
    // Top-left corner of a frame of frameSize so placed within area.
    static QPoint frameOriginUnder(const QRect &anchor, const QSize &frameSize, const QRect &area);

protected:
    void showEvent(QShowEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    void applyPlacement();
    void choose(const QDate &date);
    QWidget *buildHeader();
    QToolButton *monthArrow(Qt::ArrowType type, const QString &name);
    void showMonthTitle();

    QCalendarWidget *m_monthView;
    QLabel *m_title = nullptr;
    QString m_text;
    QRect m_anchor;
    QMargins m_placedFrame; // the frame the last placement knew
};
