#include "driver/ImportRun.h"

#include "base/MessageSink.h"
#include "base/ZorException.h"
#include "driver/CommandLine.h"
#include "driver/DexMerger.h"
#include "platform/FileSizeSignal.h"
#include "platform/TerminalKey.h"
#include "platform/WinePrefix.h"

#include <cstdio>
#include <optional>

namespace {

constexpr int usageStatus = 1;
constexpr int unrepresentableCodeStatus = 255;

// Without a terminal to give the key nothing waits, so the prompt would only mislead the log.
void Pause() {
    if (!TerminalCanGiveKey())
        return;
    MessageSink::Printf("\nPress any key to continue...\n");
    std::fflush(stdout);
    WaitForTerminalKey();
}

void ImportAll(const ImportOptions& options) {
    std::optional<std::string> folder;
    if (!options.flyFolder.empty())
        folder = FromWindowsPath(options.flyFolder); // "-F C:\Fly2" typed inside a Wine prefix
    for (const std::string& dexName : options.dexFiles) {
        DexMerger merger(folder, options.preview);
        if (options.preview)
            merger.Preview(dexName);
        else
            merger.Import(dexName, options.updateSizes, options.matchRunways, options.keepFiles);
    }
    if (options.preview)
        MessageSink::Printf("Preview only: nothing was written\n");
}

} // namespace

int ExitStatusForCode(uint32_t code) {
    const int status = static_cast<int>(code & 0xFFu);
    return status != 0 ? status : unrepresentableCodeStatus;
}

int RunNavmerger(const std::vector<std::string>& args) {
    IgnoreFileSizeSignal();
    CommandLine::PrintBanner();
    ImportOptions options;
    std::vector<std::string> names;
    if (args.empty() || !CommandLine::Parse(args, options, names)) {
        CommandLine::PrintUsage();
        return usageStatus;
    }
    try {
        options.dexFiles = CommandLine::ExpandLists(names);
        if (options.dexFiles.empty()) {
            CommandLine::PrintUsage();
            return usageStatus;
        }
        ImportAll(options);
    } catch (const ZorException& error) {
        MessageSink::Printf("%s\n", error.GetReport().c_str());
        if (options.pauseOnError)
            Pause();
        return ExitStatusForCode(error.code);
    }
    if (options.pauseOnExit)
        Pause();
    return 0;
}
