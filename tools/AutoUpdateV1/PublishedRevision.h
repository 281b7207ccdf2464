#pragma once
#include <QString>

// The revision a version file announces: the number its text begins with
// ("28", " 27.6 rev"), rounded to a whole number; 0 when it begins with none.
long PublishedRevision(const QString &versionText);
