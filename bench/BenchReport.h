#pragma once

#include "BenchScenarios.h"

#include <ostream>
#include <string>
#include <vector>

// Writes the results page: the machine, one table row per scenario, and whether each target is met.
void WriteReport(std::ostream& out, const std::vector<BenchFigures>& figures, int runs, const std::string& loadBefore,
                 const std::string& loadAfter);
// Puts section (which starts with its "# " heading) in place of the page's section of that heading, up to
// the next "# " heading, or before everything else when the page has none; the other sections stay.
void WriteSection(const std::string& path, const std::string& section);
// The first line of /proc/loadavg.
std::string LoadAverage();
