#include "db/LatitudeBands.h"

#include <cmath>

namespace {

std::array<double, 128> ComputeEdges() {
    std::array<double, 128> t{};
    const double pi = 2.0 * std::acos(0.0);
    for (size_t k = 0; k + 1 < t.size(); ++k)
        t[k + 1] = t[k] + std::cos(t[k]) * pi * (1.0 / 128.0);
    return t;
}

} // namespace

const std::array<double, 128>& LatitudeBands::Edges() {
    static const std::array<double, 128> edges = ComputeEdges();
    return edges;
}

int LatitudeBands::BandOf(double radians) {
    const std::array<double, 128>& t = Edges();
    for (int k = 1; k <= 126; ++k) {
        if (radians < t[static_cast<size_t>(k)])
            return k;
    }
    return 127;
}
