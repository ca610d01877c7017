#pragma once

#include "ChildRun.h"
#include "LiteralImport.h"

#include <cstdint>
#include <string>
#include <vector>

// One benchmark case: a database of `records` records and a DEX file of as many.
struct BenchScenario final {
    std::string title;
    std::string base;      // AIRPORT, RUNWAY, WAYPOINT
    uint32_t records = 0;
    bool matchRunways = false;
};

// Everything measured for one scenario.
struct BenchFigures final {
    BenchScenario scenario;
    uint64_t inputBytes = 0;  // table + DEX
    uint64_t outputBytes = 0; // table, indexes and archive written
    std::vector<ChildCost> runs;
    ChildCost median;         // per column
    LiteralCost literal;
    double floorSeconds = 0;
};

const std::vector<BenchScenario>& AllScenarios();
// Generates the scenario under dataFolder (once), then measures the navmerger program on it.
BenchFigures MeasureScenario(const BenchScenario& scenario, const std::string& dataFolder, int runs,
                             double literalBudget, const std::string& self, const std::string& navmerger);
