#include "SpreadNumberFormat.h"

#include <QLocale>

#include <cmath>

std::optional<double> SpreadNumberFormat::parse(const QString &text)
{
    QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    t.remove(QLatin1Char(','));
    bool ok = false;
    const double v = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

QString SpreadNumberFormat::format(double value, int decPlaces, bool showSep)
{
    QLocale locale(QLocale::English, QLocale::UnitedStates);
    locale.setNumberOptions(showSep ? QLocale::DefaultNumberOptions : QLocale::OmitGroupSeparator);
    QString s = locale.toString(value, 'f', decPlaces);
    if (s.startsWith(QLatin1Char('-')) && SpreadNumberFormat::parse(s) == 0.0)
        s.remove(0, 1); // no "-0"
    return s;
}

QString SpreadNumberFormat::plain(double value, int decPlaces) { return format(value, decPlaces, false); }

QString SpreadNumberFormat::formatCode(int decPlaces, bool showSep, bool negRed)
{
    QString code = showSep ? QStringLiteral("#,##0") : QStringLiteral("0");
    if (decPlaces > 0)
        code += QLatin1Char('.') + QString(decPlaces, QLatin1Char('0'));
    if (negRed)
        code = code + QLatin1Char(';') + QStringLiteral("[Red]-") + code;
    return code;
}
