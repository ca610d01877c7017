#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The airport, runway identifier and key of one runway record.
struct RunwayKeyRow final {
    std::string_view airport;
    std::string_view runway;
    std::string_view key;
};

// Gives every DEX row the key of each database row with the same airport and runway, visiting the
// pairs in the order of a comparison of every database row (outer, in order) with every DEX row (inner,
// in order), but finding the pairs through a hash of (airport, runway). The rows are read by number and
// not kept: each DEX row keeps only the key it took last, copied, so that no database row is read twice.
class RunwayKeyMatcher final {
public:
    using RowAt = std::function<RunwayKeyRow(size_t)>;
    // Starts loading the bytes a DEX row's texts lie in: the DEX rows are visited out of their order.
    using LoadAhead = std::function<void(size_t)>;
    // Sees each change as it is made: the DEX row, its key before, and the database row whose key it takes
    // (whose airport and runway are the DEX row's).
    using Change = std::function<void(size_t dexRow, std::string_view oldKey, const RunwayKeyRow& database)>;

    // Reads the DEX rows 0 to dexCount - 1 through dexRow, now and while matching, and the database rows
    // through databaseRow; the texts they give must stay as they are while the matcher lives.
    RunwayKeyMatcher(size_t dexCount, RowAt dexRow, RowAt databaseRow, LoadAhead loadDexRow);

    // For each database row from 0 to databaseCount - 1 in turn, gives its key to each DEX row of its airport
    // and runway whose key differs, in DEX order.
    void MatchAll(size_t databaseCount, const Change& change);
    // Whether a database row's key replaced the DEX row's own.
    bool Changed(size_t dexRow) const { return keyFrom_[dexRow] != kNone; }
    std::string_view KeyOf(size_t dexRow) const;

private:
    static constexpr uint32_t kNone = UINT32_MAX;
    // A DEX row's hash of (airport, runway) and the next DEX row of its bucket.
    struct Link {
        uint32_t hash;
        uint32_t next;
    };

    static uint32_t HashOf(const RunwayKeyRow& row);
    void Match(const RunwayKeyRow& database, uint32_t hash, const Change& change);
    size_t Bucket(uint32_t hash) const { return hash & (heads_.size() - 1); }
    std::string_view KeyOf(size_t dexRow, const RunwayKeyRow& own) const;

    RowAt dexRow_;
    RowAt databaseRow_;
    LoadAhead loadDexRow_;
    std::vector<Link> links_;
    std::vector<uint32_t> heads_; // the first DEX row of each bucket, each chain in DEX order
    std::vector<uint32_t> keyFrom_; // where in takenKeys_ a DEX row's key taken begins
    std::string takenKeys_;         // the keys taken, one after the other, each ended by a zero
};
