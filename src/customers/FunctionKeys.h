#pragma once
#include <QObject>

#include <functional>
#include <map>

class QWidget;

// Lets a window see its function keys before its controls do: a key pressed
// anywhere in the window runs the window's action and goes no further.
class FunctionKeys : public QObject {
    Q_OBJECT
public:
    explicit FunctionKeys(QWidget *window);
    void on(int key, std::function<void()> action) { m_actions[key] = std::move(action); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    std::map<int, std::function<void()>> m_actions;
};
