#pragma once
#include <QString>

// Who is logged in, set by the login dialog and read by every later screen.
extern QString g_sOperID;   // the login ID as typed (statements escape it)
extern QString g_sOperName; // display name
extern short g_nOperLevel;  // 0: exempt from the working hours
extern QString g_sLoginTime; // the server's now() at login
