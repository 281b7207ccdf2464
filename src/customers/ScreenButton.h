#pragma once
#include <QString>

class QPushButton;
class QWidget;

// A screen's push button: named by its control name, its caption announced
// without the "&" marker, and pressed by Enter while it has the focus; never a
// default button (Enter otherwise belongs to the fields).
QPushButton *ScreenButton(const QString &name, const QString &caption, QWidget *parent);
