#pragma once
#include <QIcon>

// The calendar button's picture: a page with a red binding strip over a grid
// of days, drawn for any screen scale.
QIcon CalendarIcon();
