#include "PrintDialogs.h"

#include <QFontDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace {
PrintDialogs::FontHandler &fontHandler()
{
    static PrintDialogs::FontHandler handler;
    return handler;
}

} // namespace

std::optional<QFont> PrintDialogs::chooseFont(const QFont &initial, const QColor &colour, QWidget *parent)
{
    if (fontHandler())
        return fontHandler()(initial, colour);
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, initial, parent, QString());
    if (!ok)
        return std::nullopt;
    return chosen;
}

bool PrintDialogs::choosePrinter(QPrinter &printer, QWidget *parent)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    return dialog.exec() == QDialog::Accepted;
}

void PrintDialogs::setFontHandler(FontHandler handler) { fontHandler() = std::move(handler); }
