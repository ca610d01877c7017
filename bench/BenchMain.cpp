// navmerger_bench [--runs N] [--only TITLE-PREFIX] [--budget STEPS] [--out FILE] [--navmerger PROGRAM]
//     generates the benchmark installations with mkfly2, measures navmerger (the one built beside it,
//     or PROGRAM: another build, set against the same floors) on each and writes the
//     navmerger section of the results page (FILE, replacing that section there; default: stdout).
// navmerger_bench --help
//     prints that usage; an unknown option, or one without its value, is refused with it.
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

struct Options {
    int runs = 7;
    double budget = 1e9;
    std::string only;
    std::string outPath;
    std::string navmerger = NAVMERGER_PATH;
};

// 0 to go on; with --help (usage on standard output), an unknown option or one without its value (usage
// on standard error, exit status 2), the status to end with: a mistyped option never runs the whole bench.
int ParseOptions(int argc, char** argv, Options& options) {
    const char* usage =
        "usage: navmerger_bench [--runs N] [--only TITLE-PREFIX] [--budget STEPS] [--out FILE]"
        " [--navmerger PROGRAM]\n";
    for (int i = 1; i < argc; i += 2) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(usage, stdout);
            return -1;
        }
        const bool known =
            arg == "--runs" || arg == "--only" || arg == "--budget" || arg == "--out" || arg == "--navmerger";
        if (!known || i + 1 >= argc) {
            const char* what = known ? "no value for" : "unknown option";
            std::fprintf(stderr, "navmerger_bench: %s %s\n%s", what, argv[i], usage);
            return 2;
        }
        const std::string value = argv[i + 1];
        if (arg == "--runs")
            options.runs = std::max(1, std::atoi(value.c_str()));
        else if (arg == "--only")
            options.only = value;
        else if (arg == "--budget")
            options.budget = std::atof(value.c_str());
        else if (arg == "--out")
            options.outPath = value;
        else
            options.navmerger = value;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 7 && std::string(argv[1]) == "literal")
        return RunLiteral(argv);
    Options options;
    if (const int status = ParseOptions(argc, argv, options))
        return status < 0 ? 0 : status;
    try {
        const std::string loadBefore = LoadAverage();
        std::vector<BenchFigures> figures;
        for (const BenchScenario& scenario : AllScenarios()) {
            if (scenario.title.rfind(options.only, 0) != 0)
                continue;
            std::fprintf(stderr, "bench: %s\n", scenario.title.c_str());
            figures.push_back(MeasureScenario(scenario, BENCH_DATA_DIR, options.runs, options.budget, argv[0],
                                              options.navmerger));
        }
        const std::string loadAfter = LoadAverage();
        std::ostringstream report;
        WriteReport(report, figures, options.runs, loadBefore, loadAfter);
        if (options.outPath.empty())
            std::cout << report.str();
        else
            WriteSection(options.outPath, report.str());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "navmerger_bench: %s\n", e.what());
        return 1;
    }
    return 0;
}
