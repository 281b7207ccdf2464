#pragma once
#include <QString>

// True when the value is taken (or could not be checked) and the caller must
// not save. With ask, a taken value is put to the operator, who may choose to
// register it anyway (then false).
bool CheckDuplicate(const QString &table, const QString &column, QString value, const QString &extra, bool ask,
                    const QString &label, const QString &display);
