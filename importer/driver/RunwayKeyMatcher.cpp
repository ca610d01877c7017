#include "driver/RunwayKeyMatcher.h"

#include <algorithm>
#include <bit>
#include <utility>

namespace {

// FNV-1a over the bytes: runway texts are a few bytes each.
uint64_t Fnv1a(uint64_t hash, std::string_view text) {
    for (const char c : text)
        hash = (hash ^ static_cast<uint8_t>(c)) * 0x100000001b3ULL;
    return hash;
}

} // namespace

// Field texts hold no zero byte, so a zero between the two parts keeps them apart.
uint32_t RunwayKeyMatcher::HashOf(const RunwayKeyRow& row) {
    const uint64_t hash = Fnv1a(Fnv1a(0xcbf29ce484222325ULL, row.airport) * 0x100000001b3ULL, row.runway);
    return static_cast<uint32_t>(hash ^ (hash >> 32));
}

RunwayKeyMatcher::RunwayKeyMatcher(size_t dexCount, RowAt dexRow, RowAt databaseRow)
    : dexRow_(std::move(dexRow)), databaseRow_(std::move(databaseRow)), links_(dexCount),
      heads_(std::bit_ceil(std::max<size_t>(dexCount, 1)), kNone), keyFrom_(dexCount, kNone) {
    for (size_t i = 0; i < dexCount; ++i)
        links_[i].hash = HashOf(dexRow_(i));
    // Pushed at the head from the last row back, so that each chain runs in DEX order.
    for (size_t i = dexCount; i-- > 0;) {
        uint32_t& head = heads_[Bucket(links_[i].hash)];
        links_[i].next = head;
        head = static_cast<uint32_t>(i);
    }
}

void RunwayKeyMatcher::Match(size_t databaseRow, const Change& change) {
    const RunwayKeyRow database = databaseRow_(databaseRow);
    const uint32_t hash = HashOf(database);
    for (uint32_t i = heads_[Bucket(hash)]; i != kNone; i = links_[i].next) {
        if (links_[i].hash != hash)
            continue;
        const RunwayKeyRow row = dexRow_(i);
        if (row.airport != database.airport || row.runway != database.runway)
            continue;
        const std::string_view key = KeyOf(i, row);
        if (key == database.key)
            continue;
        change(i, key, database.key);
        keyFrom_[i] = static_cast<uint32_t>(databaseRow);
    }
}

std::string_view RunwayKeyMatcher::KeyOf(size_t dexRow) const {
    return Changed(dexRow) ? databaseRow_(keyFrom_[dexRow]).key : dexRow_(dexRow).key;
}

std::string_view RunwayKeyMatcher::KeyOf(size_t dexRow, const RunwayKeyRow& own) const {
    return Changed(dexRow) ? databaseRow_(keyFrom_[dexRow]).key : own.key;
}
