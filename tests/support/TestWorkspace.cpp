#include "TestWorkspace.h"

#include "Clock.h"
#include "InstanceLock.h"
#include "NetworkAdapters.h"
#include "ProgramFolder.h"
#include "SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

TestWorkspace::TestWorkspace(const QDateTime &now)
{
    QDir().mkpath(programFolder());
    QDir().mkpath(settingsFolder());
    ProgramFolder::redirect(programFolder());
    SettingsStore::redirect(settingsFolder());
    InstanceLock::redirect(m_dir.path());
    Clock::fix(now);
    QCoreApplication::setApplicationName(QStringLiteral("Quotadesk"));
}

TestWorkspace::~TestWorkspace()
{
    ProgramFolder::redirect(QString());
    SettingsStore::redirect(QString());
    InstanceLock::redirect(QString());
    NetworkAdapters::override(QString());
    Clock::release();
}

QString TestWorkspace::programFolder() const { return m_dir.path() + QStringLiteral("/program"); }

QString TestWorkspace::settingsFolder() const { return m_dir.path() + QStringLiteral("/settings"); }

QByteArray TestWorkspace::readFile(const QString &name) const
{
    QFile f(file(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
