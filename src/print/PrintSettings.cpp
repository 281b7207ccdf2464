#include "PrintSettings.h"

#include "PreviewZoom.h"
#include "SettingsStore.h"

#include <QRegularExpression>
#include <cmath>

PrintSettings::PrintSettings(const QString &appName, const QString &section)
    : m_application(applicationOf(appName)), m_section(section)
{
}

QString PrintSettings::applicationOf(const QString &appName) { return appName + QStringLiteral("_PritSetUp"); }

QString PrintSettings::keyOf(PrintMargin margin)
{
    switch (margin) {
    case PrintMargin::Top: return QStringLiteral("PrintMarginTop");
    case PrintMargin::Bottom: return QStringLiteral("PrintMarginBottom");
    case PrintMargin::Left: return QStringLiteral("PrintMarginLeft");
    case PrintMargin::Right: break;
    }
    return QStringLiteral("PrintMarginRight");
}

QString PrintSettings::keyOf(PrintOption option)
{
    return QStringLiteral("CheckBox_") + QString::number(static_cast<int>(option));
}

double PrintSettings::leadingNumber(const QString &text)
{
    static const QRegularExpression number(QStringLiteral(R"(^\s*[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?)"));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch())
        return 0;
    const double value = match.captured(0).trimmed().toDouble();
    return std::isfinite(value) ? value : 0;
}

double PrintSettings::margin(PrintMargin margin, double defaultInches) const
{
    return leadingNumber(read(keyOf(margin), QString::number(defaultInches)));
}

void PrintSettings::saveMargin(PrintMargin margin, double inches) const
{
    write(keyOf(margin), QString::number(inches));
}

int PrintSettings::orientation(int defaultOrientation) const
{
    return static_cast<int>(
        leadingNumber(read(QStringLiteral("PrintOrientation"), QString::number(defaultOrientation))));
}

void PrintSettings::saveOrientation(int orientation) const
{
    write(QStringLiteral("PrintOrientation"), QString::number(orientation));
}

int PrintSettings::zoomType() const
{
    return static_cast<int>(std::trunc(
        leadingNumber(read(QStringLiteral("PrintZoomType"), QString::number(PreviewZoom::DefaultZoomType)))));
}

void PrintSettings::saveZoomType(int zoomType) const
{
    write(QStringLiteral("PrintZoomType"), QString::number(zoomType));
}

bool PrintSettings::option(PrintOption option) const
{
    return leadingNumber(read(keyOf(option), defaultOf(option) ? QStringLiteral("1") : QStringLiteral("0"))) != 0;
}

void PrintSettings::saveOption(PrintOption option, bool on) const
{
    write(keyOf(option), on ? QStringLiteral("1") : QStringLiteral("0"));
}

QString PrintSettings::read(const QString &key, const QString &defaultValue) const
{
    return GetSetting(m_application, m_section, key, defaultValue);
}

void PrintSettings::write(const QString &key, const QString &value) const
{
    SaveSetting(m_application, m_section, key, value);
}
