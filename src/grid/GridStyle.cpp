#include "GridStyle.h"

namespace {
bool g_houseStyle = false;
QString &titleStore()
{
    static QString title;
    return title;
}
} // namespace

bool GridStyle::houseStyle() { return g_houseStyle; }

void GridStyle::setHouseStyle(bool on) { g_houseStyle = on; }

QString GridStyle::messageTitle() { return titleStore(); }

void GridStyle::setMessageTitle(const QString &title) { titleStore() = title; }
