#include "driver/RunwayKeyMatcher.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

// Every database row against every DEX row, both in stored order: the order the repair reports in.
std::vector<RunwayKeyReplacement> CompareAllPairs(const std::vector<RunwayKeyRow>& database,
                                                  std::vector<RunwayKeyRow>& dex) {
    std::vector<RunwayKeyReplacement> changes;
    for (const RunwayKeyRow& row : database) {
        for (size_t i = 0; i < dex.size(); ++i) {
            if (dex[i].airport == row.airport && dex[i].runway == row.runway && dex[i].key != row.key) {
                changes.push_back({static_cast<int>(i), dex[i].key, row.key});
                dex[i].key = row.key;
            }
        }
    }
    return changes;
}

std::vector<RunwayKeyRow> RandomRows(std::mt19937& random, size_t count) {
    // Few airports, runways and keys, so that duplicates of every kind occur.
    std::uniform_int_distribution<int> small(0, 3);
    std::vector<RunwayKeyRow> rows;
    for (size_t i = 0; i < count; ++i)
        rows.push_back({"AP" + std::to_string(small(random)), std::to_string(small(random)) + "L",
                        "K" + std::to_string(small(random))});
    return rows;
}

std::string Describe(const std::vector<RunwayKeyReplacement>& changes) {
    std::string text;
    for (const RunwayKeyReplacement& change : changes)
        text += std::to_string(change.dexRecord) + ":" + change.oldKey + ">" + change.newKey + " ";
    return text;
}

TEST(RunwayKeyMatcherTest, ReportsExactlyWhatComparingEveryPairReports) {
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        const std::vector<RunwayKeyRow> database = RandomRows(random, random() % 12);
        std::vector<RunwayKeyRow> dex = RandomRows(random, random() % 12);
        std::vector<RunwayKeyRow> expectedDex = dex;
        const std::vector<RunwayKeyReplacement> expected = CompareAllPairs(database, expectedDex);
        const std::vector<RunwayKeyReplacement> changes = MatchRunwayKeys(database, dex);
        ASSERT_EQ(Describe(changes), Describe(expected)) << "round " << round;
        for (size_t i = 0; i < dex.size(); ++i)
            ASSERT_EQ(dex[i].key, expectedDex[i].key) << "round " << round;
    }
}

TEST(RunwayKeyMatcherTest, BothTextsMustMatchExactly) {
    const std::vector<RunwayKeyRow> database = {{"KSEA", "16L", "A1"}, {"KSEA", "16R", "A2"}};
    std::vector<RunwayKeyRow> dex = {{"KSEA", "16l", "X"}, {"KSE", "16L", "X"}, {"KSEA", "16R", "A2"}};
    EXPECT_TRUE(MatchRunwayKeys(database, dex).empty());
    EXPECT_EQ(dex[0].key, "X");
}

TEST(RunwayKeyMatcherTest, LaterDatabaseDuplicatesWinAndEachChangeIsReported) {
    const std::vector<RunwayKeyRow> database = {
        {"KSEA", "16L", "A1"}, {"KBFI", "13R", "B1"}, {"KSEA", "16L", "A9"}};
    std::vector<RunwayKeyRow> dex = {{"KSEA", "16L", "Z"}, {"KBFI", "13R", "B1"}, {"KSEA", "16L", "A1"}};
    EXPECT_EQ(Describe(MatchRunwayKeys(database, dex)), "0:Z>A1 0:A1>A9 2:A1>A9 ");
    EXPECT_EQ(dex[0].key, "A9");
    EXPECT_EQ(dex[2].key, "A9");
}

} // namespace
