#include "Clock.h"

namespace {
QDateTime fixedMoment;
}

QDateTime Clock::now() { return fixedMoment.isValid() ? fixedMoment : QDateTime::currentDateTime(); }

void Clock::fix(const QDateTime &moment) { fixedMoment = moment; }

void Clock::release() { fixedMoment = QDateTime(); }
