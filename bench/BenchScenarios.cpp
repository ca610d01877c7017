#include "BenchScenarios.h"

#include "IoFloor.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

std::string Quantity(uint32_t records) {
    return records >= 1000000 ? std::to_string(records / 1000000) + "M" : std::to_string(records / 1000) + "k";
}

fs::path Generate(const BenchScenario& scenario, const fs::path& dataFolder) {
    const fs::path folder = dataFolder / (scenario.base + "-" + Quantity(scenario.records));
    if (fs::exists(folder / "dex" / "BENCH.DEX"))
        return folder;
    fs::remove_all(folder);
    const ChildCost made = RunChild(MKFLY2_PATH, {folder.string(), "--records", std::to_string(scenario.records),
                                                  "--bench", scenario.base});
    if (made.status != 0)
        throw std::runtime_error("mkfly2 failed for " + folder.string());
    return folder;
}

fs::path FreshCopy(const fs::path& source, const fs::path& target) {
    fs::remove_all(target);
    fs::copy(source, target, fs::copy_options::recursive);
    return target;
}

std::vector<std::string> ImportArgs(const BenchScenario& scenario, const fs::path& fly, bool keep) {
    std::vector<std::string> args;
    if (scenario.matchRunways)
        args.push_back("-R");
    if (keep)
        args.push_back("-K");
    args.insert(args.end(), {"-F", fly.string(), (fly / "dex" / "BENCH.DEX").string()});
    return args;
}

ChildCost Median(std::vector<ChildCost> runs) {
    auto middle = [&runs](auto field) {
        std::sort(runs.begin(), runs.end(), [field](const ChildCost& a, const ChildCost& b) { return a.*field < b.*field; });
        return runs[runs.size() / 2].*field;
    };
    ChildCost median;
    median.status = 0;
    median.wallSeconds = middle(&ChildCost::wallSeconds);
    median.userSeconds = middle(&ChildCost::userSeconds);
    median.systemSeconds = middle(&ChildCost::systemSeconds);
    median.peakKib = middle(&ChildCost::peakKib);
    return median;
}

// The files a kept (-K) import leaves, the template aside: the table and indexes, and the new archive.
std::vector<uint64_t> OutputSizes(const BenchScenario& scenario, const fs::path& fly) {
    std::vector<uint64_t> sizes;
    for (const fs::directory_entry& entry : fs::directory_iterator(fly / "DATABASE")) {
        if (entry.path().extension() != ".DBT")
            sizes.push_back(entry.file_size());
    }
    sizes.push_back(fs::file_size(fly / "system" / (scenario.base + ".POD")));
    return sizes;
}

LiteralCost ReadLiteral(const fs::path& report) {
    LiteralCost cost;
    std::ifstream in(report);
    if (!(in >> cost.repairSeconds >> cost.mergeSeconds >> cost.sortSeconds >> cost.restSeconds >> cost.sampleEvery))
        throw std::runtime_error("no literal figures in " + report.string());
    return cost;
}

} // namespace

const std::vector<BenchScenario>& AllScenarios() {
    static const std::vector<BenchScenario> scenarios = {
        {"WAYPOINT 10k", "WAYPOINT", 10000, false},
        {"WAYPOINT 100k", "WAYPOINT", 100000, false},
        {"WAYPOINT 1M", "WAYPOINT", 1000000, false},
        {"AIRPORT 100k (7 indexes)", "AIRPORT", 100000, false},
        {"RUNWAY 100k with -R", "RUNWAY", 100000, true},
    };
    return scenarios;
}

BenchFigures MeasureScenario(const BenchScenario& scenario, const std::string& dataFolder, int runs,
                             double literalBudget, const std::string& self, const std::string& navmerger) {
    BenchFigures figures;
    figures.scenario = scenario;
    const fs::path source = Generate(scenario, dataFolder);
    const fs::path work = fs::path(dataFolder) / "work";
    const std::string table = (source / "DATABASE" / (scenario.base + ".DBD")).string();
    const std::string dex = (source / "dex" / "BENCH.DEX").string();
    figures.inputBytes = fs::file_size(table) + fs::file_size(dex);

    FreshCopy(source, work);
    RunChild(navmerger, ImportArgs(scenario, work, true));
    const std::vector<uint64_t> outputs = OutputSizes(scenario, work);
    for (const uint64_t size : outputs)
        figures.outputBytes += size;
    // The floor is measured beside each run, so that both see the same load, and its median taken.
    std::vector<double> floors;
    for (int i = 0; i < runs; ++i) {
        FreshCopy(source, work);
        figures.runs.push_back(RunChild(navmerger, ImportArgs(scenario, work, false)));
        if (figures.runs.back().status != 0)
            throw std::runtime_error("navmerger failed on " + scenario.title);
        floors.push_back(MeasureFloor({table, dex}, scenario.records, outputs, work.string()));
        // A child's peak counts the pages it shares with this process before its exec: the floor's key
        // columns, freed but kept by the allocator, would be counted in the next run's peak.
        malloc_trim(0);
    }
    figures.median = Median(figures.runs);
    std::sort(floors.begin(), floors.end());
    figures.floorSeconds = floors[floors.size() / 2];

    // The literal scan costs records x records steps; sample the outer loop down to the budget.
    const double steps = static_cast<double>(scenario.records) * scenario.records;
    // Each all-pairs runway step reads four field texts: about twenty times a scan step.
    const double budget = scenario.matchRunways ? literalBudget / 20 : literalBudget;
    const int every = std::max(1, static_cast<int>(steps / budget));
    FreshCopy(source, work);
    const fs::path report = fs::path(dataFolder) / "literal.txt";
    const std::vector<std::string> args = {"literal", work.string(), (work / "dex" / "BENCH.DEX").string(),
                                           scenario.matchRunways ? "-R" : "-", std::to_string(every), report.string()};
    if (RunChild(self, args).status != 0)
        throw std::runtime_error("literal import failed on " + scenario.title);
    figures.literal = ReadLiteral(report);
    fs::remove_all(work);
    return figures;
}
