#pragma once
#include <QStringList>

// The notice program's parameters: the notice text, a blank, "/T" and the
// display time in milliseconds. The text may hold blanks; the last word that
// begins with /T is the time. Without a usable time the notice stays kDefaultMs.
struct NoticeArguments {
    static constexpr int kDefaultMs = 1500;

    QString text;
    int timeMs = kDefaultMs;

    static NoticeArguments parse(const QStringList &arguments);
};
