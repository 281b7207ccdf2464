#pragma once
#include "DBError.h"

// Shows a failure of the data layer to the operator in the box its kind
// takes: OK only, with the warning icon when the SQL log could not be written
// and the program's name as the title of a routine's report.
void ShowDBError(const DBError &error);
