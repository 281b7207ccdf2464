#pragma once
#include <QDateTime>
#include <QString>
#include <QTemporaryDir>

// A fresh program folder, settings store and lock folder for one test, with
// the clock fixed; everything is put back when it goes out of scope.
class TestWorkspace {
public:
    explicit TestWorkspace(const QDateTime &now = QDateTime(QDate(2011, 5, 23), QTime(14, 25, 1)));
    ~TestWorkspace();
    TestWorkspace(const TestWorkspace &) = delete;
    TestWorkspace &operator=(const TestWorkspace &) = delete;

    QString programFolder() const;
    QString settingsFolder() const;
    QString file(const QString &name) const { return programFolder() + QLatin1Char('/') + name; }
    QByteArray readFile(const QString &name) const;

private:
    QTemporaryDir m_dir;
};
