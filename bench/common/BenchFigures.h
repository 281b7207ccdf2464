#pragma once
#include <functional>
#include <vector>

// Timing and reporting helpers: every figure is one "name: value" line.
namespace BenchFigures {
// Runs the action the given number of times; the median of its durations in ms.
double medianMs(int times, const std::function<void()> &action);
double median(std::vector<double> values);
// The process's peak resident set so far, in KiB.
long peakRssKb();

void print(const char *name, double value, const char *unit);
void printCount(const char *name, long long value, const char *unit);
// Prints the ratio with PASS when it is at most the target, otherwise OVER.
void printRatio(const char *name, double ratio, double target);
} // namespace BenchFigures
