#pragma once
#include <QString>

// Program-wide settings of the grid services, set once by the program: the
// house look (on from just before the login dialog) and the title of the
// grid's message boxes (the application title).
class GridStyle {
public:
    static bool houseStyle();
    static void setHouseStyle(bool on);
    static QString messageTitle();
    static void setMessageTitle(const QString &title);
};
