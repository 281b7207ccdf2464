#pragma once
#include <QString>

class QPushButton;
class QWidget;

// A screen's push button: its caption, announced without the "&" marker, and
// no default-button behaviour (Enter belongs to the fields).
QPushButton *ScreenButton(const QString &caption, QWidget *parent);
