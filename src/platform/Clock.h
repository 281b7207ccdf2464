#pragma once
#include <QDateTime>

// The workstation clock. Tests fix it to a known moment.
class Clock {
public:
    static QDateTime now();
    static QDate today() { return now().date(); }
    static QTime time() { return now().time(); }

    static void fix(const QDateTime &moment);
    static void release();
};
