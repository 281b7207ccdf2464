#pragma once
#include "UpdateOrder.h"
#include "UpdateSignature.h"

#include <QString>
#include <optional>

// Compares the program's revision with the one published on the download
// server and, when a newer one is out, stores the new program file beside the
// program as "New_" + its name, showing the progress. Only what the deployer
// signed counts: the version file's revision and the program file must each
// verify against the signature published beside them, and a revision below the
// installed one is refused; each refusal goes to the update log. The "New_"
// file appears only complete and verified; one left from an earlier run is
// removed first, so that only this run's can be swapped in.
class ProgramUpdater {
public:
    enum Result { Current = 0, Stored = 0, Failed = 1, BadArguments = 2 };

    // folder: where the program file lives; server: the download server's
    // address; signature: the keys files must be signed with.
    ProgramUpdater(const QString &folder, const QString &server, UpdateSignature signature);

    Result run(const UpdateOrder &order);

private:
    QString address(const QString &name) const;
    std::optional<long> latestRevision(const QString &programFile) const;
    std::optional<QByteArray> download(const QString &programFile) const;
    bool isSigned(const QString &name, const QByteArray &statement) const;
    bool store(const QString &programFile, const QByteArray &content) const;

    QString m_folder;
    QString m_server;
    UpdateSignature m_signature;
};
