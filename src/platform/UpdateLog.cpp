#include "UpdateLog.h"

#include "Clock.h"
#include "DataFolder.h"
#include "ProgramFolder.h"

#include <QFile>
#include <QTextStream>

void UpdateLog::refused(const QString &file, const QString &reason)
{
    QFile log(DataFolder::file(QStringLiteral("update.log")));
    if (!log.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        return;
    QTextStream(&log) << Clock::now().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) << ' '
                      << ProgramFolder::executableBaseName() << ": refused " << file << ": " << reason
                      << "; the installed files are kept\n";
}
