#pragma once
#include <QString>

struct TopUpEntry;

// The statements on the program's own table of top-ups, topup_request: one
// row per top-up, keyed by the top-up's random token, inserted in the same
// transaction as the top-up, or afterwards as abandoned by the look-up that
// decides a top-up whose answer was lost.
class TopUpRequests {
public:
    // 128 random bits as 32 hexadecimal digits.
    static QString newToken();
    static QString insertStatement(const QString &token, const TopUpEntry &entry, int logIdx);
    static QString abandonStatement(const QString &token, const TopUpEntry &entry);
    static QString isAbandonedStatement(const QString &token);
    // False when the table is missing (or could not be read); the operator
    // has then been told which file makes it.
    static bool checkInstalled();
};
