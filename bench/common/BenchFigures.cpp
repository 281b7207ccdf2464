#include "BenchFigures.h"

#include <QElapsedTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>

namespace BenchFigures {

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

double medianMs(int times, const std::function<void()> &action)
{
    std::vector<double> ms;
    for (int i = 0; i < times; ++i) {
        QElapsedTimer timer;
        timer.start();
        action();
        ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    return median(ms);
}

std::pair<double, double> interleavedMediansMs(int times, const std::function<void()> &a,
                                               const std::function<void()> &b)
{
    std::vector<double> first;
    std::vector<double> second;
    for (int i = 0; i < times; ++i) {
        first.push_back(medianMs(1, a));
        second.push_back(medianMs(1, b));
    }
    return {median(first), median(second)};
}

long peakRssKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void print(const char *name, double value, const char *unit)
{
    std::printf("%s: %.1f %s\n", name, value, unit);
}

void printCount(const char *name, long long value, const char *unit)
{
    std::printf("%s: %lld %s\n", name, value, unit);
}

void printRatio(const char *name, double ratio, double target)
{
    std::printf("%s: %.2f (target <= %.1f) %s\n", name, ratio, target, ratio <= target ? "PASS" : "OVER");
}

} // namespace BenchFigures
