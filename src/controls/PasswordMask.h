#pragma once

class QLineEdit;
class QString;

// Shows each character of box as the first character of mask (the login's
// "*"), whatever bullet the platform style would draw; an empty mask shows
// the text itself.
void ShowPasswordMask(QLineEdit *box, const QString &mask);
