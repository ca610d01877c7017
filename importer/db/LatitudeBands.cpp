#include "db/LatitudeBands.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace {

std::array<double, 128> ComputeEdges() {
    std::array<double, 128> t{};
    const double pi = 2.0 * std::acos(0.0);
    for (size_t k = 0; k + 1 < t.size(); ++k)
        t[k + 1] = t[k] + std::cos(t[k]) * pi * (1.0 / 128.0);
    return t;
}

// The first band whose upper edge lies above radians, searched from band from on.
int BandFrom(int from, double radians) {
    const std::array<double, 128>& t = LatitudeBands::Edges();
    int k = from;
    while (k <= 126 && !(radians < t[static_cast<size_t>(k)]))
        ++k;
    return k;
}

// A quarter turn in buckets narrower than the narrowest band (cos(t[126]) * pi / 128, about 0.0022):
// each holds one edge at most.
constexpr size_t kBuckets = 1024;
const double kBucketsPerRadian = kBuckets / std::acos(0.0);

// Where each bucket's search may start: the band of its lower end, less one for the rounding of the
// bucket a position is put in. Every edge below it lies under the bucket.
std::array<uint8_t, kBuckets> ComputeStarts() {
    std::array<uint8_t, kBuckets> starts{};
    for (size_t b = 0; b < kBuckets; ++b)
        starts[b] = static_cast<uint8_t>(std::max(1, BandFrom(1, static_cast<double>(b) / kBucketsPerRadian) - 1));
    return starts;
}

} // namespace

const std::array<double, 128>& LatitudeBands::Edges() {
    static const std::array<double, 128> edges = ComputeEdges();
    return edges;
}

// A large table's position index asks once a record: the bucket of radians gives the band or the one below.
int LatitudeBands::BandOf(double radians) {
    static const std::array<uint8_t, kBuckets> starts = ComputeStarts();
    const double bucket = radians * kBucketsPerRadian;
    if (!(bucket >= 0 && bucket < static_cast<double>(kBuckets)))
        return BandFrom(1, radians);
    return BandFrom(starts[static_cast<size_t>(bucket)], radians);
}
