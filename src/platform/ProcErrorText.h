#pragma once
#include <QString>

// "Error <n> (<description>) in procedure <proc> of <owner>": the report of a
// routine that guards its own steps. owner is e.g. "Module modMain".
QString ProcErrorText(long number, const QString &description, const QString &procedure, const QString &owner);
