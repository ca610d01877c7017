#include "db/SortKeys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

namespace {

// Key texts by byte value, equal texts with the higher record number first.
std::vector<int> ExpectedOrder(const std::vector<std::string>& keys) {
    std::vector<int> order(keys.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        const std::string& x = keys[static_cast<size_t>(a)];
        const std::string& y = keys[static_cast<size_t>(b)];
        return x != y ? x < y : a > b;
    });
    return order;
}

// Short keys from a small alphabet, so that equal keys, shared prefixes and bytes above 0x7F all occur.
std::vector<std::string> RandomKeys(size_t count, size_t longest, unsigned seed) {
    std::mt19937 random(seed);
    const std::string alphabet = "AB9-\xE9";
    std::vector<std::string> keys(count);
    for (std::string& key : keys) {
        key.resize(1 + random() % longest);
        for (char& c : key)
            c = alphabet[random() % alphabet.size()];
    }
    return keys;
}

// The key texts in key order as index entries of width bytes hold them: zero-padded, cut at the width.
std::vector<std::string> Fields(const SortKeys& sorted, size_t width) {
    std::vector<std::string> fields;
    std::vector<uint8_t> field(width);
    for (size_t rank = 0; rank < sorted.Count(); ++rank) {
        sorted.PutKey(rank, field);
        fields.emplace_back(field.begin(), field.end());
    }
    return fields;
}

std::vector<std::string> ExpectedFields(const std::vector<std::string>& keys, size_t width) {
    std::vector<std::string> fields;
    for (const int n : ExpectedOrder(keys))
        fields.push_back((keys[static_cast<size_t>(n)] + std::string(width, '\0')).substr(0, width));
    return fields;
}

} // namespace

TEST(SortKeys, OrderIsByBytesWithEqualKeysHigherRecordFirst) {
    for (const size_t longest : {3u, 16u, 17u, 40u}) {
        std::vector<std::string> keys = RandomKeys(5000, longest, static_cast<unsigned>(longest));
        const SortKeys sorted(keys.size(), [&](size_t n) { return keys[n]; });
        EXPECT_EQ(sorted.Order(), ExpectedOrder(keys)) << "keys up to " << longest << " bytes";
        for (const size_t width : {2u, 48u})
            EXPECT_EQ(Fields(sorted, width), ExpectedFields(keys, width)) << "keys up to " << longest << " bytes";
        // Mostly in key order already, equal keys the wrong way round, then a few out of order.
        std::sort(keys.begin(), keys.end());
        const std::vector<std::string> more = RandomKeys(300, longest, static_cast<unsigned>(longest) + 1);
        keys.insert(keys.end(), more.begin(), more.end());
        EXPECT_EQ(SortKeys(keys.size(), [&](size_t n) { return keys[n]; }).Order(), ExpectedOrder(keys))
            << "keys mostly in order, up to " << longest << " bytes";
    }
    const std::vector<std::string> same(300, "EGLL");
    EXPECT_EQ(SortKeys(same.size(), [&](size_t n) { return same[n]; }).Order(), ExpectedOrder(same));
    EXPECT_TRUE(SortKeys(0, [](size_t) { return std::string(); }).Order().empty());
}
