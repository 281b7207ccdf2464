#pragma once
#include "UpdateOrder.h"

#include <QString>
#include <optional>

// Compares the program's revision with the one published on the download
// server and, when a newer one is out, stores the new program file beside the
// program as "New_" + its name, showing the progress. The "New_" file appears
// only complete; a leftover one is removed once the program is known current.
class ProgramUpdater {
public:
    enum Result { Current = 0, Stored = 0, Failed = 1, BadArguments = 2 };

    // folder: where the program file lives; server: the download server's address.
    ProgramUpdater(const QString &folder, const QString &server);

    Result run(const UpdateOrder &order);

private:
    QString address(const QString &name) const;
    std::optional<long> latestRevision(const QString &programFile) const;
    bool download(const QString &programFile) const;

    QString m_folder;
    QString m_server;
};
