#pragma once
#include "ModMain.h"

// The steps of start-up that belong to this program's screens: the print front
// object, the login dialog and the customer list.
StartupSteps QuotadeskStartup();
