#pragma once

#include <string>
#include <vector>

// The airport, runway identifier and key of one runway record.
struct RunwayKeyRow final {
    std::string airport;
    std::string runway;
    std::string key;
};

// One key taken over from the database into a DEX record.
struct RunwayKeyReplacement final {
    int dexRecord;
    std::string oldKey;
    std::string newKey;
};

// Gives every DEX row the key of each database row with the same airport and runway, visiting the
// pairs in the order of a comparison of every database row (outer, in order) with every DEX row (inner,
// in order), but finding the pairs through a hash of (airport, runway). dex keys are updated in place;
// the result lists every change in that order.
std::vector<RunwayKeyReplacement> MatchRunwayKeys(const std::vector<RunwayKeyRow>& database,
                                                  std::vector<RunwayKeyRow>& dex);
