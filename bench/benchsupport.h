#pragma once

// Timing and memory readings shared by the measurement programs.

#include <algorithm>
#include <chrono>
#include <fstream>
#include <functional>
#include <string>

namespace galewright::bench {

inline double seconds(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The best of three runs, so that every step meets a warm page cache.
inline double bestOf3(const std::function<void()>& work)
{
    double best = seconds(work);
    for (int i = 1; i < 3; ++i)
        best = std::min(best, seconds(work));
    return best;
}

// Kilobytes of a /proc/self/status line ("VmRSS:", "VmHWM:").
inline long statusKilobytes(const char* wanted)
{
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == wanted) {
            long kb = 0;
            status >> kb;
            return kb;
        }
        std::getline(status, key);
    }
    return 0;
}

} // namespace galewright::bench
