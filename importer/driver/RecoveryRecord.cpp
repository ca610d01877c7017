#include "driver/RecoveryRecord.h"

#include "base/ErrorCodes.h"
#include "base/ZorException.h"
#include "platform/NativeFs.h"
#include "platform/OutputFile.h"
#include "pod/FlyFolder.h"
#include "pod/MappedFile.h"

#include <sstream>

namespace {

const std::string kFirstLine = "navmerger steps after the commit";
const std::string kLastLine = "end";

// Steps only ever touch the database's own folder.
bool IsDatabaseName(const std::string& name) {
    return name.starts_with("DATABASE\\") && name.find('/') == std::string::npos &&
           IsSafeRelativeName(name) && name.find(' ') == std::string::npos;
}

[[noreturn]] void Damaged(const std::string& path) {
    throw ZorException("RecoveryRecord", 25, ErrorCode::kDamagedRecoveryRecord,
                       FormatMessage("%s is damaged: the interrupted import it records cannot be finished",
                                     ShownPath(path).c_str()));
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

} // namespace

void RecoveryRecord::Write(const std::string& path) const {
    std::string text = kFirstLine + "\n";
    for (const Step& step : steps_)
        text += step.to.empty() ? "remove " + step.from + "\n" : "move " + step.from + " " + step.to + "\n";
    text += kLastLine + "\n";
    const std::string temporary = path + ".TMP";
    int error = OutputFile::WriteWhole(temporary, text.data(), text.size());
    if (error == 0)
        error = RenameReplacing(temporary, path);
    if (error == 0)
        error = SyncFolder(FolderOf(path));
    if (error != 0) {
        RemoveFile(temporary);
        throw ZorException("RecoveryRecord", 50, static_cast<uint32_t>(error),
                           FormatMessage("Unable to write to %s", ShownPath(path).c_str()));
    }
}

RecoveryRecord RecoveryRecord::Read(const std::string& path) {
    MappedFile file;
    file.Open(path);
    std::istringstream lines(std::string(reinterpret_cast<const char*>(file.Data()), file.Size()));
    std::string line;
    if (!std::getline(lines, line) || line != kFirstLine)
        Damaged(path);
    RecoveryRecord record;
    while (std::getline(lines, line) && line != kLastLine) {
        std::istringstream words(line);
        std::string verb, from, to, rest;
        words >> verb >> from >> to >> rest;
        const bool move = verb == "move" && IsDatabaseName(to);
        if (!rest.empty() || !IsDatabaseName(from) || !(move || (verb == "remove" && to.empty())))
            Damaged(path);
        record.steps_.push_back({from, to});
    }
    if (line != kLastLine || std::getline(lines, line))
        Damaged(path);
    return record;
}

void RecoveryRecord::CarryOut() const {
    for (const Step& step : steps_) {
        const std::string from = FlyFolder::FullName(step.from);
        if (!step.to.empty()) {
            const std::string to = FlyFolder::FullName(step.to);
            if (const int error = PathExists(from) ? RenameReplacing(from, to) : 0)
                throw ZorException(
                    "RecoveryRecord", 83, static_cast<uint32_t>(error),
                    FormatMessage("Error moving %s to %s", ShownPath(from).c_str(), ShownPath(to).c_str()));
        } else if (const int error = RemoveFile(from); error != 0 && !IsNoSuchFile(error)) {
            throw ZorException("RecoveryRecord", 86, static_cast<uint32_t>(error),
                               FormatMessage("Error deleting %s", ShownPath(from).c_str()));
        }
    }
}
