#pragma once
#include <functional>
#include <utility>
#include <vector>

// Timing and reporting helpers: every figure is one "name: value" line.
namespace BenchFigures {
// Runs the action the given number of times; the median of its durations in ms.
double medianMs(int times, const std::function<void()> &action);
// Runs a and b in turn the given number of times, so that a change in the
// machine's load falls on both; the medians of their durations in ms.
std::pair<double, double> interleavedMediansMs(int times, const std::function<void()> &a,
                                               const std::function<void()> &b);
double median(std::vector<double> values);
// The process's peak resident set so far, in KiB.
long peakRssKb();
// The process's resident set now, in KiB.
long residentKb();
// The highest resident set above the starting one while work runs, in KiB
// (sampled every 2 ms from another thread).
long peakExtraKb(const std::function<void()> &work);

void print(const char *name, double value, const char *unit);
void printCount(const char *name, long long value, const char *unit);
// Prints the ratio with PASS when it is at most the target, otherwise OVER.
void printRatio(const char *name, double ratio, double target);
} // namespace BenchFigures
