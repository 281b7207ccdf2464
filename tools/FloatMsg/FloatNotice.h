#pragma once
#include <QWidget>

class QLabel;

// A small notice window near the bottom right of the screen. It never takes
// the focus from the window the operator works in and closes by itself.
class FloatNotice : public QWidget {
    Q_OBJECT
public:
    explicit FloatNotice(const QString &text, int timeMs, QWidget *parent = nullptr);

    QString text() const;
    // Shows the notice in its corner, slot notices high above the corner
    // (stacked over the notices on screen before it); the time runs from here.
    void showInCorner(int slot = 0);

private:
    void placeInCorner(int slot);

    QLabel *m_label;
    int m_timeMs;
};
