#include "BenchFolder.h"

#include "ProgramFolder.h"
#include "SettingsStore.h"

#include <QDir>

BenchFolder::BenchFolder()
{
    QDir().mkpath(programFolder());
    QDir().mkpath(m_dir.path() + QStringLiteral("/settings"));
    ProgramFolder::redirect(programFolder());
    SettingsStore::redirect(m_dir.path() + QStringLiteral("/settings"));
}

BenchFolder::~BenchFolder()
{
    ProgramFolder::redirect(QString());
    SettingsStore::redirect(QString());
}

QString BenchFolder::programFolder() const { return m_dir.path() + QStringLiteral("/program"); }
