#include "driver/RunwayKeyMatcher.h"

#include <unordered_map>

namespace {

// Field texts hold no zero byte, so it separates the two parts unambiguously.
std::string PairKey(const RunwayKeyRow& row) {
    return row.airport + '\0' + row.runway;
}

} // namespace

std::vector<RunwayKeyReplacement> MatchRunwayKeys(const std::vector<RunwayKeyRow>& database,
                                                  std::vector<RunwayKeyRow>& dex) {
    std::unordered_map<std::string, std::vector<int>> dexByPair;
    for (size_t i = 0; i < dex.size(); ++i)
        dexByPair[PairKey(dex[i])].push_back(static_cast<int>(i));
    std::vector<RunwayKeyReplacement> replacements;
    for (const RunwayKeyRow& row : database) {
        const auto found = dexByPair.find(PairKey(row));
        if (found == dexByPair.end())
            continue;
        for (const int i : found->second) {
            if (dex[i].key == row.key)
                continue;
            replacements.push_back({i, dex[i].key, row.key});
            dex[i].key = row.key;
        }
    }
    return replacements;
}
