// navmerger_bench [--runs N] [--only TITLE-PREFIX] [--budget STEPS] [--out FILE] [--navmerger PROGRAM]
//     generates the benchmark installations with mkfly2, measures navmerger (the one built beside it,
//     or PROGRAM: another build, set against the same floors) on each and writes the
//     navmerger section of the results page (FILE, replacing that section there; default: stdout).
// navmerger_bench literal FLY DEX -R|- EVERY REPORT
//     (internal) runs the literal import and writes its figures to REPORT.
#include "BenchReport.h"
#include "BenchScenarios.h"
#include "LiteralImport.h"

#include "base/MessageSink.h"
#include "base/ZorException.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

int RunLiteral(char** argv) {
    try {
        const LiteralCost cost = RunLiteralImport(argv[2], argv[3], std::string(argv[4]) == "-R", std::atoi(argv[5]));
        std::ofstream(argv[6]) << cost.repairSeconds << ' ' << cost.mergeSeconds << ' ' << cost.sortSeconds << ' '
                               << cost.restSeconds << ' ' << cost.sampleEvery << '\n';
    } catch (const ZorException& e) {
        std::fprintf(stderr, "%s\n", e.GetReport().c_str());
        return 2;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 7 && std::string(argv[1]) == "literal")
        return RunLiteral(argv);
    int runs = 7;
    double budget = 1e9;
    std::string only;
    std::string outPath;
    std::string navmerger = NAVMERGER_PATH;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string arg = argv[i];
        if (arg == "--runs")
            runs = std::max(1, std::atoi(argv[i + 1]));
        else if (arg == "--only")
            only = argv[i + 1];
        else if (arg == "--budget")
            budget = std::atof(argv[i + 1]);
        else if (arg == "--out")
            outPath = argv[i + 1];
        else if (arg == "--navmerger")
            navmerger = argv[i + 1];
    }
    try {
        const std::string loadBefore = LoadAverage();
        std::vector<BenchFigures> figures;
        for (const BenchScenario& scenario : AllScenarios()) {
            if (scenario.title.rfind(only, 0) != 0)
                continue;
            std::fprintf(stderr, "bench: %s\n", scenario.title.c_str());
            figures.push_back(MeasureScenario(scenario, BENCH_DATA_DIR, runs, budget, argv[0], navmerger));
        }
        const std::string loadAfter = LoadAverage();
        std::ostringstream report;
        WriteReport(report, figures, runs, loadBefore, loadAfter);
        if (outPath.empty())
            std::cout << report.str();
        else
            WriteSection(outPath, report.str());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "navmerger_bench: %s\n", e.what());
        return 1;
    }
    return 0;
}
