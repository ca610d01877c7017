#pragma once

#include <array>

// The 128 latitude band edges (radians) of the position index: t[0] = 0,
// t[k+1] = t[k] + cos(t[k]) * pi * (1/128). Built on first use.
class LatitudeBands final {
public:
    LatitudeBands() = delete;

    static const std::array<double, 128>& Edges();
    // The band number 1 ... 127 of an absolute latitude in radians.
    static int BandOf(double radians);
};
