#include "FileVersion.h"

#include <QFile>

#ifdef Q_OS_WIN
#include <windows.h>

QString ReadFileVersion(const QString &path, QString *error)
{
    const std::wstring file = path.toStdWString();
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(file.c_str(), &handle);
    if (size == 0) {
        if (error)
            *error = QStringLiteral("File has no version resource");
        return QString();
    }
    QByteArray data(static_cast<int>(size), 0);
    wchar_t *value = nullptr;
    UINT len = 0;
    if (!GetFileVersionInfoW(file.c_str(), 0, size, data.data())
        || !VerQueryValueW(data.data(), L"\\StringFileInfo\\041204b0\\FileVersion", reinterpret_cast<void **>(&value),
                           &len)
        || len == 0) {
        if (error)
            *error = QStringLiteral("File has no version resource");
        return QString();
    }
    return QString::fromWCharArray(value).trimmed();
}
#else

// The record the build embeds: the marker, then "FileVersion=", then the text up
// to the NUL. The marker is assembled here so this code never matches itself.
QString ReadFileVersion(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("File not found: ") + path;
        return QString();
    }
    QByteArray marker("\x7f");
    marker += "QDVR";
    marker += ":FileVersion=";
    const QByteArray content = file.readAll();
    const qsizetype at = content.indexOf(marker);
    if (at < 0) {
        if (error)
            *error = QStringLiteral("File has no version resource");
        return QString();
    }
    const qsizetype begin = at + marker.size();
    const qsizetype end = content.indexOf('\0', begin);
    const QByteArray value = content.mid(begin, (end < 0 ? content.size() : end) - begin);
    if (value.isEmpty() || value.size() > 40) {
        if (error)
            *error = QStringLiteral("File has no version resource");
        return QString();
    }
    return QString::fromLatin1(value);
}
#endif
