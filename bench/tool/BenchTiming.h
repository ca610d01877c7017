#pragma once

#include <QString>

#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

// The wall seconds run takes.
inline double Seconds(const std::function<void()>& run) {
    const auto start = std::chrono::steady_clock::now();
    run();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

inline double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// A row of a figure measured at a small and a large size: its seconds at each, its growth (time per item
// at the large size over time per item at the small one), the target (growth at most 1.3x, and at most
// mostSeconds at the large size when it is above 0) and whether it was met.
inline QString GrowthRow(const QString& what, const double (&seconds)[2], const int (&sizes)[2],
                         double mostSeconds = 0) {
    const double growth = (seconds[1] / sizes[1]) / (seconds[0] / sizes[0]);
    const bool met = growth <= 1.3 && (mostSeconds <= 0 || seconds[1] <= mostSeconds);
    const QString target = mostSeconds > 0 ? QStringLiteral("%1 s, within 1.3x").arg(mostSeconds)
                                           : QStringLiteral("within 1.3x");
    return QStringLiteral("| %1 | %2 | %3 | %4x | %5 | %6 |\n")
        .arg(what)
        .arg(seconds[0], 0, 'f', 3)
        .arg(seconds[1], 0, 'f', 3)
        .arg(growth, 0, 'f', 2)
        .arg(target, met ? QStringLiteral("met") : QStringLiteral("MISSED"));
}
