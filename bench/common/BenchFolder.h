#pragma once
#include <QTemporaryDir>

// A throw-away program folder and settings store for one bench run, so the
// connection record and settings never land beside the real program.
class BenchFolder {
public:
    BenchFolder();
    ~BenchFolder();
    BenchFolder(const BenchFolder &) = delete;
    BenchFolder &operator=(const BenchFolder &) = delete;

    QString programFolder() const;

private:
    QTemporaryDir m_dir;
};
