#pragma once
#include <QColor>
#include <QFont>
#include <functional>
#include <optional>

class QPrinter;
class QWidget;

// The platform's font and printer selection dialogs; the font dialog is
// behind a seam so that tests can answer it in place of a person.
class PrintDialogs {
public:
    using FontHandler = std::function<std::optional<QFont>(const QFont &initial, const QColor &colour)>;

    // The chosen font, or nothing when the dialog was cancelled.
    static std::optional<QFont> chooseFont(const QFont &initial, const QColor &colour, QWidget *parent);
    // True when the user confirmed a printer; the printer then holds the choice.
    static bool choosePrinter(QPrinter &printer, QWidget *parent);

    // Replaces the real font dialog; an empty handler restores it.
    static void setFontHandler(FontHandler handler);
};
