#include "driver/RunwayKeyMatcher.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

// A runway row with texts of its own; the matcher sees views of them.
struct TextRow final {
    std::string airport;
    std::string runway;
    std::string key;
};

struct KeyChange final {
    size_t dexRecord;
    std::string oldKey;
    std::string newKey;
};

RunwayKeyRow Viewed(const TextRow& row) {
    return {row.airport, row.runway, row.key};
}

// The repair's pass: the database rows one at a time through the matcher, dex taking the keys it ends with;
// changed (when given) which rows the matcher counts as changed. The database rows are read once each, in
// order, the keys taken included: the repair lets their pages go behind the reading.
std::vector<KeyChange> MatchRunwayKeys(const std::vector<TextRow>& database, std::vector<TextRow>& dex,
                                       std::vector<bool>* changed = nullptr) {
    size_t read = 0;
    RunwayKeyMatcher matcher(
        dex.size(), [&dex](size_t i) { return Viewed(dex[i]); },
        [&database, &read](size_t i) {
            EXPECT_EQ(i, read++) << "database row read again or out of order";
            return Viewed(database[i]);
        },
        [](size_t) {});
    std::vector<KeyChange> changes;
    matcher.MatchAll(database.size(), [&](size_t i, std::string_view oldKey, const RunwayKeyRow& row) {
        EXPECT_TRUE(row.airport == dex[i].airport && row.runway == dex[i].runway);
        changes.push_back({i, std::string(oldKey), std::string(row.key)});
    });
    for (size_t i = 0; i < dex.size(); ++i) {
        dex[i].key = std::string(matcher.KeyOf(i));
        if (changed != nullptr)
            changed->push_back(matcher.Changed(i));
    }
    EXPECT_EQ(read, database.size());
    return changes;
}

// Every database row against every DEX row, both in stored order: the order the repair reports in.
std::vector<KeyChange> CompareAllPairs(const std::vector<TextRow>& database, std::vector<TextRow>& dex) {
    std::vector<KeyChange> changes;
    for (const TextRow& row : database) {
        for (size_t i = 0; i < dex.size(); ++i) {
            if (dex[i].airport == row.airport && dex[i].runway == row.runway && dex[i].key != row.key) {
                changes.push_back({i, dex[i].key, row.key});
                dex[i].key = row.key;
            }
        }
    }
    return changes;
}

std::vector<TextRow> RandomRows(std::mt19937& random, size_t count) {
    // Few airports, runways and keys, so that duplicates of every kind occur.
    std::uniform_int_distribution<int> small(0, 3);
    std::vector<TextRow> rows;
    for (size_t i = 0; i < count; ++i)
        rows.push_back({"AP" + std::to_string(small(random)), std::to_string(small(random)) + "L",
                        "K" + std::to_string(small(random))});
    return rows;
}

std::string Describe(const std::vector<KeyChange>& changes) {
    std::string text;
    for (const KeyChange& change : changes)
        text += std::to_string(change.dexRecord) + ":" + change.oldKey + ">" + change.newKey + " ";
    return text;
}

TEST(RunwayKeyMatcherTest, ReportsExactlyWhatComparingEveryPairReports) {
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        const std::vector<TextRow> database = RandomRows(random, random() % 40);
        std::vector<TextRow> dex = RandomRows(random, random() % 40);
        std::vector<TextRow> expectedDex = dex;
        const std::vector<KeyChange> expected = CompareAllPairs(database, expectedDex);
        const std::vector<KeyChange> changes = MatchRunwayKeys(database, dex);
        ASSERT_EQ(Describe(changes), Describe(expected)) << "round " << round;
        for (size_t i = 0; i < dex.size(); ++i)
            ASSERT_EQ(dex[i].key, expectedDex[i].key) << "round " << round;
    }
}

TEST(RunwayKeyMatcherTest, BothTextsMustMatchExactly) {
    const std::vector<TextRow> database = {{"KSEA", "16L", "A1"}, {"KSEA", "16R", "A2"}};
    std::vector<TextRow> dex = {{"KSEA", "16l", "X"}, {"KSE", "16L", "X"}, {"KSEA", "16R", "A2"}};
    EXPECT_TRUE(MatchRunwayKeys(database, dex).empty());
    EXPECT_EQ(dex[0].key, "X");
}

TEST(RunwayKeyMatcherTest, LaterDatabaseDuplicatesWinAndEachChangeIsReported) {
    const std::vector<TextRow> database = {
        {"KSEA", "16L", "A1"}, {"KBFI", "13R", "B1"}, {"KSEA", "16L", "A9"}};
    std::vector<TextRow> dex = {{"KSEA", "16L", "Z"}, {"KBFI", "13R", "B1"}, {"KSEA", "16L", "A1"}};
    EXPECT_EQ(Describe(MatchRunwayKeys(database, dex)), "0:Z>A1 0:A1>A9 2:A1>A9 ");
    EXPECT_EQ(dex[0].key, "A9");
    EXPECT_EQ(dex[2].key, "A9");
}

// The repair rewrites the key of every row changed, even one that ends with the key it had.
TEST(RunwayKeyMatcherTest, AKeyTakenBackStillCountsAsChanged) {
    const std::vector<TextRow> database = {{"KSEA", "16L", "A1"}, {"KSEA", "16L", "Z"}};
    std::vector<TextRow> dex = {{"KSEA", "16L", "Z"}, {"KBFI", "13R", "B1"}};
    std::vector<bool> changed;
    EXPECT_EQ(Describe(MatchRunwayKeys(database, dex, &changed)), "0:Z>A1 0:A1>Z ");
    EXPECT_EQ(dex[0].key, "Z");
    EXPECT_EQ(changed, (std::vector<bool>{true, false}));
}

} // namespace
