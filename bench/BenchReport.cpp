#include "BenchReport.h"

#include <cstdio>
#include <ctime>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace {

std::string FirstLineWith(const char* path, const std::string& prefix) {
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(prefix, 0) == 0) {
            const size_t start = line.find_first_not_of(" \t", line.find(':') + 1);
            return " " + (start == std::string::npos ? std::string() : line.substr(start));
        }
    }
    return " unknown";
}

std::string Format(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

double Mib(uint64_t bytes) { return static_cast<double>(bytes) / (1024.0 * 1024.0); }

double Cpu(const ChildCost& cost) { return cost.userSeconds + cost.systemSeconds; }

double PerRecordMicros(const BenchFigures& f) { return f.median.wallSeconds * 1e6 / f.scenario.records; }

double CpuPerRecordMicros(const BenchFigures& f) { return Cpu(f.median) * 1e6 / f.scenario.records; }

std::string Verdict(bool met) { return met ? " - met" : " - MISSED"; }

void WriteRow(std::ostream& out, const BenchFigures& f) {
    const double peak = static_cast<double>(f.median.peakKib) * 1024.0;
    const double literal = f.literal.Total();
    out << "| " << f.scenario.title << " | " << Format("%.1f", Mib(f.inputBytes)) << " | "
        << Format("%.2f", f.median.wallSeconds) << " | " << Format("%.2f", f.median.userSeconds) << " + "
        << Format("%.2f", f.median.systemSeconds) << " | "
        << Format("%.1f", peak / (1024.0 * 1024.0)) << " (" << Format("%.2f", peak / static_cast<double>(f.inputBytes))
        << "x) | " << Format("%.1f", PerRecordMicros(f)) << " / " << Format("%.1f", CpuPerRecordMicros(f)) << " | "
        << Format("%.1f", literal)
        << (f.literal.sampleEvery > 1 ? " (est. 1/" + std::to_string(f.literal.sampleEvery) + ")" : "") << " | "
        << Format("%.0fx", literal / Cpu(f.median)) << " | " << Format("%.3f", f.floorSeconds) << " | "
        << Format("%.1fx", f.median.wallSeconds / f.floorSeconds) << " |\n";
}

const BenchFigures* Find(const std::vector<BenchFigures>& figures, const std::string& title) {
    for (const BenchFigures& f : figures) {
        if (f.scenario.title == title)
            return &f;
    }
    return nullptr;
}

double PeakRatio(const BenchFigures& f) {
    return static_cast<double>(f.median.peakKib) * 1024.0 / static_cast<double>(f.inputBytes);
}

void WallTarget(std::ostream& out, const BenchFigures* f, const std::string& name, double most) {
    if (f == nullptr)
        return;
    const double ratio = f->median.wallSeconds / f->floorSeconds;
    out << "- " << name << " wall time within " << Format("%gx", most) << " the floor: "
        << Format("%.2f s", f->median.wallSeconds) << " against " << Format("%.3f s", f->floorSeconds) << ", "
        << Format("%.1fx", ratio) << Verdict(ratio <= most) << "; processor " << Format("%.2f s", Cpu(f->median))
        << " (" << Format("%.1fx", Cpu(f->median) / f->floorSeconds) << ")\n";
}

// Each target is a ratio to a figure of the same run: the floor, or the scenario's own input.
void WriteTargets(std::ostream& out, const std::vector<BenchFigures>& figures) {
    out << "\n## Targets\n\n";
    WallTarget(out, Find(figures, "WAYPOINT 1M"), "1M WAYPOINT", 2.5);
    WallTarget(out, Find(figures, "RUNWAY 100k with -R"), "RUNWAY 100k with -R", 3);
    // At 10k the program's own 3 MiB outweigh the input: the ratio says nothing about the import there.
    for (const BenchFigures& f : figures) {
        if (f.scenario.records >= 100000)
            out << "- " << f.scenario.title << " peak resident memory under 1.5x table + DEX: "
                << Format("%.2fx", PeakRatio(f)) << Verdict(PeakRatio(f) < 1.5) << "\n";
    }
}

} // namespace

void WriteSection(const std::string& path, const std::string& section) {
    std::string page;
    if (std::ifstream in(path); in)
        page.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    const std::string heading = section.substr(0, section.find('\n') + 1);
    size_t start = page.rfind(heading, 0) == 0 ? 0 : page.find("\n" + heading);
    size_t end = 0;
    if (start != std::string::npos) {
        start += page[start] == '\n' ? 1 : 0;
        const size_t next = page.find("\n# ", start + heading.size());
        end = next == std::string::npos ? page.size() : next + 1;
    } else {
        start = 0;
    }
    std::string rest = page.substr(end);
    if (!rest.empty() && rest.front() != '\n')
        rest.insert(0, "\n");
    std::ofstream out(path, std::ios::trunc);
    out << page.substr(0, start) << section << rest;
    if (!out.flush())
        throw std::runtime_error("cannot write " + path);
}

std::string LoadAverage() {
    std::ifstream in("/proc/loadavg");
    std::string line;
    std::getline(in, line);
    return line;
}

void WriteReport(std::ostream& out, const std::vector<BenchFigures>& figures, int runs, const std::string& loadBefore,
                 const std::string& loadAfter) {
    const std::time_t now = std::time(nullptr);
    char date[64];
    std::strftime(date, sizeof date, "%Y-%m-%d %H:%M UTC", std::gmtime(&now));
    out << "# navmerger benchmark\n\n"
        << "Written by `make bench` (bench/BenchMain.cpp) on " << date << ".\n\n"
        << "Machine: " << sysconf(_SC_NPROCESSORS_ONLN) << " processors," << FirstLineWith("/proc/cpuinfo", "model name")
        << ", memory" << FirstLineWith("/proc/meminfo", "MemTotal") << ".\n"
        << "Load average (1, 5, 15 min) before: " << loadBefore << "; after: " << loadAfter << ".\n\n"
        << "Each navmerger figure is the median of " << runs << " runs of the whole program on a fresh copy of the "
        << "installation, measured from outside (wait4: wall, user time, peak resident set), progress output "
        << "sent to /dev/null; us/record: wall / processor (user + system) microseconds per DEX record. Table + DEX: the bytes of the loose input table and the DEX file. Literal: the "
        << "import with a linear-scan merge, all-pairs runway repair and key texts rebuilt per comparison "
        << "(bench/LiteralImport.cpp), one run, in processor seconds; the speed-up compares processor times, which "
        << "the load of a shared machine disturbs far less than wall times; \"est. 1/n\" means the scan (and the runway pairs) ran over every "
        << "n-th outer record only and its time was multiplied by n. Floor: plain sequential reads of the "
        << "table and DEX, sorts of three columns of 16-byte keys as long as the table (its own order and two "
        << "indexes), and plain sequential writes (each file flushed) of as many bytes as the import writes "
        << "(table, indexes, archive), in wall seconds, measured after each run (the median of as many).\n\n"
        << "| scenario | table + DEX MiB | wall s | user + sys s | peak RSS MiB (x input) | us/record | literal s | "
           "speed-up | floor s | wall / floor |\n"
        << "|---|---|---|---|---|---|---|---|---|---|\n";
    for (const BenchFigures& f : figures)
        WriteRow(out, f);
    WriteTargets(out, figures);
}
