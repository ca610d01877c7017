#include "BenchReport.h"

#include <cstdio>
#include <ctime>
#include <fstream>
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

void WriteTargets(std::ostream& out, const std::vector<BenchFigures>& figures) {
    out << "\n## Targets\n\n";
    const BenchFigures* small = Find(figures, "WAYPOINT 10k");
    const BenchFigures* large = Find(figures, "WAYPOINT 1M");
    if (large) {
        const double ratio = large->median.wallSeconds / large->floorSeconds;
        out << "- 1M WAYPOINT wall time within 3x the floor: " << Format("%.2f s", large->median.wallSeconds)
            << " against " << Format("%.2f s", large->floorSeconds) << ", " << Format("%.1fx", ratio)
            << Verdict(ratio <= 3) << "; processor " << Format("%.2f s", Cpu(large->median)) << "\n";
    }
    for (const char* title : {"WAYPOINT 100k", "WAYPOINT 1M", "AIRPORT 100k (7 indexes)"}) {
        if (const BenchFigures* f = Find(figures, title))
            out << "- " << title << " peak resident memory under 2x table + DEX: " << Format("%.2fx", PeakRatio(*f))
                << Verdict(PeakRatio(*f) < 2) << "\n";
    }
    for (const BenchFigures& f : figures) {
        if (f.scenario.records == 100000) {
            const double speedup = f.literal.Total() / Cpu(f.median);
            out << "- " << f.scenario.title << " at least 200x faster than the literal algorithm (processor time): "
                << Format("%.0fx", speedup) << Verdict(speedup >= 200) << "\n";
        }
    }
    if (small && large) {
        const double cpuRatio = CpuPerRecordMicros(*large) / CpuPerRecordMicros(*small);
        out << "- Processor time per record at 1M within 1.3x of 10k: " << Format("%.2fx", cpuRatio)
            << Verdict(cpuRatio <= 1.3) << " (wall " << Format("%.2fx", PerRecordMicros(*large) / PerRecordMicros(*small))
            << ")\n";
    }
}

} // namespace

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
        << "(table, indexes, archive), in wall seconds.\n\n"
        << "| scenario | table + DEX MiB | wall s | user + sys s | peak RSS MiB (x input) | us/record | literal s | "
           "speed-up | floor s | wall / floor |\n"
        << "|---|---|---|---|---|---|---|---|---|---|\n";
    for (const BenchFigures& f : figures)
        WriteRow(out, f);
    WriteTargets(out, figures);
}
