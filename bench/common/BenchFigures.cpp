#include "BenchFigures.h"

#include <QElapsedTimer>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <thread>

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

long residentKb()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

long peakExtraKb(const std::function<void()> &work)
{
    const long start = residentKb();
    std::atomic<bool> done{false};
    std::atomic<long> peak{start};
    std::thread sampler([&] {
        while (!done) {
            peak = std::max(peak.load(), residentKb());
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    });
    work();
    done = true;
    sampler.join();
    return std::max(0L, std::max(peak.load(), residentKb()) - start);
}

void print(const char *name, double value, const char *unit) { std::printf("%s: %.1f %s\n", name, value, unit); }

void printCount(const char *name, long long value, const char *unit)
{
    std::printf("%s: %lld %s\n", name, value, unit);
}

void printRatio(const char *name, double ratio, double target)
{
    std::printf("%s: %.2f (target <= %.2f) %s\n", name, ratio, target, ratio <= target ? "PASS" : "OVER");
}

} // namespace BenchFigures
