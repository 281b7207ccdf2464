#pragma once
#include <QString>

// The deployer's record of the automatic update: "update.log" in the data
// folder, one line for each published file that was refused (with the time,
// the program that refused it and why). The operator is not told; the
// installed files stay and start-up goes on.
class UpdateLog {
public:
    static void refused(const QString &file, const QString &reason);
};
