#include "driver/RunwayKeyMatcher.h"

#include "platform/PrefaultedArray.h"

#include <algorithm>
#include <array>
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

RunwayKeyMatcher::RunwayKeyMatcher(size_t dexCount, RowAt dexRow, RowAt databaseRow, LoadAhead loadDexRow)
    : dexRow_(std::move(dexRow)), databaseRow_(std::move(databaseRow)), loadDexRow_(std::move(loadDexRow)) {
    const size_t buckets = std::bit_ceil(std::max<size_t>(dexCount, 1));
    ReservePrefaulted(links_, dexCount);
    ReservePrefaulted(heads_, buckets);
    ReservePrefaulted(keyFrom_, dexCount);
    heads_.assign(buckets, kNone);
    keyFrom_.assign(dexCount, kNone);
    for (size_t i = 0; i < dexCount; ++i)
        links_.push_back({HashOf(dexRow_(i)), kNone});
    // Pushed at the head from the last row back, so that each chain runs in DEX order.
    for (size_t i = dexCount; i-- > 0;) {
        uint32_t& head = heads_[Bucket(links_[i].hash)];
        links_[i].next = head;
        head = static_cast<uint32_t>(i);
    }
}

// A look-up waits on memory twice, for its bucket and then for the first DEX row there (its link and its
// bytes): each is loaded some database rows ahead, the bucket twice as far ahead as the row.
void RunwayKeyMatcher::MatchAll(size_t databaseCount, const Change& change) {
    constexpr size_t kApart = 8;
    // The rows and their hashes, by database row modulo their size.
    std::array<RunwayKeyRow, 4 * kApart> rows{};
    std::array<uint32_t, 4 * kApart> hashes{};
    const auto hashAhead = [&](size_t row) {
        rows[row % rows.size()] = databaseRow_(row);
        hashes[row % hashes.size()] = HashOf(rows[row % rows.size()]);
        __builtin_prefetch(&heads_[Bucket(hashes[row % hashes.size()])]);
    };
    for (size_t row = 0; row < std::min(databaseCount, 2 * kApart); ++row)
        hashAhead(row);
    for (size_t row = 0; row < databaseCount; ++row) {
        if (row + 2 * kApart < databaseCount)
            hashAhead(row + 2 * kApart);
        if (row + kApart < databaseCount) {
            if (const uint32_t first = heads_[Bucket(hashes[(row + kApart) % hashes.size()])]; first != kNone) {
                __builtin_prefetch(&links_[first]);
                __builtin_prefetch(&keyFrom_[first]);
                loadDexRow_(first);
            }
        }
        Match(rows[row % rows.size()], hashes[row % hashes.size()], change);
    }
}

void RunwayKeyMatcher::Match(const RunwayKeyRow& database, uint32_t hash, const Change& change) {
    for (uint32_t i = heads_[Bucket(hash)]; i != kNone; i = links_[i].next) {
        if (links_[i].hash != hash)
            continue;
        const RunwayKeyRow row = dexRow_(i);
        if (row.airport != database.airport || row.runway != database.runway)
            continue;
        const std::string_view key = KeyOf(i, row);
        if (key == database.key)
            continue;
        change(i, key, database);
        keyFrom_[i] = static_cast<uint32_t>(takenKeys_.size());
        takenKeys_.append(database.key);
        takenKeys_.push_back('\0');
    }
}

std::string_view RunwayKeyMatcher::KeyOf(size_t dexRow) const {
    return Changed(dexRow) ? std::string_view(takenKeys_.data() + keyFrom_[dexRow]) : dexRow_(dexRow).key;
}

std::string_view RunwayKeyMatcher::KeyOf(size_t dexRow, const RunwayKeyRow& own) const {
    return Changed(dexRow) ? std::string_view(takenKeys_.data() + keyFrom_[dexRow]) : own.key;
}
