#include "SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <memory>

namespace {
QString redirected;

#ifdef Q_OS_WIN
std::unique_ptr<QSettings> open(const QString &app)
{
    if (redirected.isEmpty())
        return std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\")
                                               + app,
                                           QSettings::NativeFormat);
    return std::make_unique<QSettings>(SettingsStore::fileFor(app), QSettings::IniFormat);
}
#else
std::unique_ptr<QSettings> open(const QString &app)
{
    return std::make_unique<QSettings>(SettingsStore::fileFor(app), QSettings::IniFormat);
}
#endif

QString keyPath(const QString &section, const QString &key) { return section + QLatin1Char('/') + key; }

// The store may hold a remembered password: only the owner may read it. Its
// folder is the owner's alone, so not even a file being rewritten is open to
// others; the file itself is closed to them once written.
void makeFolderPrivate(const QString &file)
{
    const QString folder = QFileInfo(file).absolutePath();
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

void makeFilePrivate(const QString &file)
{
    QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}
} // namespace

QString SettingsStore::fileFor(const QString &app)
{
    QString folder = redirected;
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                 + QStringLiteral("/VB and VBA Program Settings");
    return folder + QLatin1Char('/') + app + QStringLiteral(".ini");
}

QString SettingsStore::get(const QString &app, const QString &section, const QString &key, const QString &defaultValue)
{
    auto settings = open(app);
    return settings->value(keyPath(section, key), defaultValue).toString();
}

void SettingsStore::save(const QString &app, const QString &section, const QString &key, const QString &value)
{
    const QString file = fileFor(app);
    makeFolderPrivate(file);
    {
        auto settings = open(app);
        settings->setValue(keyPath(section, key), value);
        settings->sync();
    }
    makeFilePrivate(file);
}

void SettingsStore::remove(const QString &app, const QString &section, const QString &key)
{
    auto settings = open(app);
    settings->remove(keyPath(section, key));
}

void SettingsStore::redirect(const QString &folder) { redirected = folder; }
