#include "FunctionKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

FunctionKeys::FunctionKeys(QWidget *window) : QObject(window), m_window(window) { qApp->installEventFilter(this); }

bool FunctionKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    if (widget->window() != m_window)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    const auto found = m_actions.find(key->key());
    if (found == m_actions.end() || key->modifiers() != Qt::NoModifier)
        return false;
    found->second();
    return true;
}
