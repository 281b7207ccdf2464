#include "modFormIni.h"

#include "DataFolder.h"
#include "ProfileFile.h"
#include "SpreadGrid.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>
#include <QWidget>

#include <cmath>
#include <optional>

namespace {

constexpr int TwipsPerPixel = 15;
constexpr int ValueChars = 9; // values are read into a 10-character buffer
const QString PositionSection = QStringLiteral("FormPosition");

// Largest values a grid takes, as a spreadsheet limits them: column width in
// characters, font size and row height in points.
constexpr double MaxColWidth = 255;
constexpr double MaxPoints = 409;

// Inclusive limits of a stored value.
struct Limits {
    double low;
    double high;
};

// The number a stored value holds, or none when it is empty, not numeric, not
// finite or outside limits: a damaged value is ignored.
std::optional<double> readNumber(const QString &file, const QString &section, const QString &key, Limits limits)
{
    const QString value = ProfileFile::read(file, section, key, QString(), ValueChars).trimmed();
    bool ok = false;
    const double number = QLocale::c().toDouble(value, &ok);
    if (!ok || !std::isfinite(number) || number < limits.low || number > limits.high)
        return std::nullopt;
    return number;
}

// The desktop in twips: positions lie on it and sizes fit it.
QRectF desktopTwips()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect desktop = screen ? screen->virtualGeometry() : QRect();
    return QRectF(desktop.x() * TwipsPerPixel, desktop.y() * TwipsPerPixel, desktop.width() * TwipsPerPixel,
                  desktop.height() * TwipsPerPixel);
}

int toPixels(double twips) { return qRound(twips / TwipsPerPixel); }

QString toTwipsText(int pixels) { return QString::number(static_cast<float>(pixels * TwipsPerPixel)); }

// 0 normal, 1 minimised, 2 maximised
int stateNumber(const QWidget *form)
{
    if (form->isMinimized())
        return 1;
    return form->isMaximized() ? 2 : 0;
}

Qt::WindowStates windowStatesOf(int number)
{
    switch (number) {
    case 1: return Qt::WindowMinimized;
    case 2: return Qt::WindowMaximized;
    default: return Qt::WindowNoState;
    }
}

} // namespace

QString FormIniPath(const QWidget *form, const QString &sSuffix)
{
    return DataFolder::file(QStringLiteral("FormIni")) + QLatin1Char('/') + form->objectName() + sSuffix
           + QStringLiteral(".ini");
}

void LoadFormIni(QWidget *form, bool bPositionOnly, const QString &sSuffix)
{
    const QString file = FormIniPath(form, sSuffix);
    if (!QFileInfo(file).isFile())
        return;
    const QRectF desktop = desktopTwips();
    // A stored 0 or less leaves the edge where the design put it.
    if (const auto left = readNumber(file, PositionSection, QStringLiteral("Left"), {0, desktop.right()});
        left && *left > 0)
        form->move(toPixels(*left), form->y());
    if (const auto top = readNumber(file, PositionSection, QStringLiteral("Top"), {0, desktop.bottom()});
        top && *top > 0)
        form->move(form->x(), toPixels(*top));
    if (bPositionOnly)
        return;
    // A size of 0 or less would leave a window nobody can see or reach.
    const auto width = readNumber(file, PositionSection, QStringLiteral("Width"), {0, desktop.width()});
    if (width && *width > 0)
        form->resize(std::max(1, toPixels(*width)), form->height());
    const auto height = readNumber(file, PositionSection, QStringLiteral("Height"), {0, desktop.height()});
    if (height && *height > 0)
        form->resize(form->width(), std::max(1, toPixels(*height)));
    const auto state = readNumber(file, PositionSection, QStringLiteral("WindowState"), {0, 2});
    if (state && static_cast<int>(*state) != stateNumber(form))
        form->setWindowState(windowStatesOf(static_cast<int>(*state)));

    for (SpreadGrid *grid : form->findChildren<SpreadGrid *>()) {
        const QVariant index = grid->property("Index");
        LoadSpreadIni(grid, file, index.isValid() ? index.toInt() : -1);
    }
}

void LoadSpreadIni(SpreadGrid *grid, const QString &sFile, int nIndex)
{
    QString base = grid->objectName();
    if (nIndex >= 0)
        base += QLatin1Char('_') + QString::number(nIndex);
    const QString widths = base + QStringLiteral("_ColsWidth");
    for (int col = 1; col <= grid->MaxCols(); ++col)
        if (const auto width = readNumber(sFile, widths, QString::number(col), {0, MaxColWidth}))
            grid->SetStoredColWidth(col, *width);

    const QString general = base + QStringLiteral("_General");
    if (const auto size = readNumber(sFile, general, QStringLiteral("FontSize"), {0, MaxPoints}); size && *size > 0) {
        grid->SetCol(AllCells);
        grid->SetRow(AllCells);
        grid->SetFontSize(*size);
        grid->SetRow(0);
        grid->SetFontSize(*size);
    }
    if (const auto height = readNumber(sFile, general, QStringLiteral("RowHeight"), {0, MaxPoints});
        height && *height > 0) {
        grid->SetRowHeight(AllCells, *height);
        grid->SetRowHeight(0, *height + 2);
    }
}

void SaveFormIni(QWidget *form, const QString &sSuffix)
{
    if (!form->isVisible() || form->isMinimized())
        return;
    const QString file = FormIniPath(form, sSuffix);
    QDir().mkpath(QFileInfo(file).absolutePath());
    ProfileFile::write(file, PositionSection, QStringLiteral("WindowState"), QString::number(stateNumber(form)));
    if (form->isMaximized())
        return;
    ProfileFile::write(file, PositionSection, QStringLiteral("Left"), toTwipsText(form->x()));
    ProfileFile::write(file, PositionSection, QStringLiteral("Top"), toTwipsText(form->y()));
    ProfileFile::write(file, PositionSection, QStringLiteral("Width"), toTwipsText(form->width()));
    ProfileFile::write(file, PositionSection, QStringLiteral("Height"), toTwipsText(form->height()));
}
