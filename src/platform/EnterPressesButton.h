#pragma once

class QAbstractButton;
class QWidget;

// Enter (main or keypad) on a focused push button presses it, as Space does.
// The screens walk their fields with Enter, so buttons take Enter only while
// they hold the focus; a button marked with this never acts as a dialog's
// default button.
void PressOnEnter(QAbstractButton *button);

// Every push button inside window (present when called) presses on Enter.
void PressButtonsOnEnter(QWidget *window);
