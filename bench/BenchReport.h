#pragma once

#include "BenchScenarios.h"

#include <ostream>
#include <vector>

// Writes the results page: the machine, one table row per scenario, and whether each target is met.
void WriteReport(std::ostream& out, const std::vector<BenchFigures>& figures, int runs, const std::string& loadBefore,
                 const std::string& loadAfter);
// The first line of /proc/loadavg.
std::string LoadAverage();
