#pragma once
#include <QList>
#include <QString>
#include <QWidget>

// A window keeps its widgets to itself; tests and benches reach them by the
// object name each one carries, its control name ("btnSave", "spList"), or
// for an element of a control array the name and the index ("htField_2",
// "OptGubun_1").
//
// A part belongs to the window when no other window lies between them: a
// dialog the window owns is its part, that dialog's buttons are not. A name
// that is missing, or given to two parts, stops the program with the window's
// and the part's name, never a null pointer further on.
namespace WindowParts {
inline bool belongsTo(const QWidget &window, const QWidget *widget)
{
    for (const QWidget *up = widget->parentWidget(); up; up = up->parentWidget()) {
        if (up == &window)
            return true;
        if (up->isWindow())
            return false;
    }
    return false;
}
} // namespace WindowParts

template <typename T> T *part(const QWidget &window, const QString &name)
{
    QList<T *> found = window.findChildren<T *>(name);
    found.removeIf([&window](const T *widget) { return !WindowParts::belongsTo(window, widget); });
    if (found.size() != 1)
        qFatal("%s has %s %s named \"%s\"", qPrintable(window.objectName()), found.isEmpty() ? "no" : "more than one",
               T::staticMetaObject.className(), qPrintable(name));
    return found.first();
}

template <typename T> T *part(const QWidget &window, const QString &name, int index)
{
    return part<T>(window, name + QLatin1Char('_') + QString::number(index));
}
