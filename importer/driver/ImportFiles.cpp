#include "driver/ImportFiles.h"

#include "platform/AsciiCase.h"
#include "platform/NativeFs.h"
#include "pod/FlyFolder.h"

#include <algorithm>
#include <cctype>
#include <set>

namespace {

const std::string kWorkSuffix = ".TMP";

// Earlier versions wrote through temporaries named like mkstemp's: six letters and digits after the
// file's own name. A suffix that a person would type (a single word, all capitals or all digits, such
// as "backup") is not taken for one of them.
bool IsRandomSuffix(const std::string& suffix) {
    if (suffix.size() != 6 || !std::all_of(suffix.begin(), suffix.end(), [](unsigned char c) { return std::isalnum(c); }))
        return false;
    const bool lower = std::any_of(suffix.begin(), suffix.end(), [](unsigned char c) { return std::islower(c); });
    const bool upper = std::any_of(suffix.begin(), suffix.end(), [](unsigned char c) { return std::isupper(c); });
    const bool digit = std::any_of(suffix.begin(), suffix.end(), [](unsigned char c) { return std::isdigit(c); });
    return int{lower} + int{upper} + int{digit} >= 2;
}

// Removes the entries of folder named exactly (ASCII case aside) like one of names, or like one of
// randomNamed followed by '.' and a random suffix.
void RemoveFrom(const std::string& folder, const std::set<std::string>& names,
                const std::set<std::string>& randomNamed) {
    const std::string native = NativePath(folder);
    for (const std::string& entry : ListFolder(folder)) {
        const std::string upper = UpperAscii(entry);
        const size_t dot = upper.rfind('.');
        const bool random = dot != std::string::npos && randomNamed.count(upper.substr(0, dot)) &&
                            IsRandomSuffix(entry.substr(dot + 1));
        if ((names.count(upper) || random) && IsRegularFile(native + "/" + entry))
            RemoveFile(native + "/" + entry);
    }
}

} // namespace

std::string ImportFiles::System(const std::string& extension) const {
    return FlyFolder::FullName("SYSTEM\\" + database_.BaseName() + extension);
}

std::string ImportFiles::Pod() const {
    return System("POD");
}

std::string ImportFiles::Backup() const {
    return System("TRI");
}

std::string ImportFiles::NewPod() const {
    return FlyFolder::FullName("SYSTEM\\" + database_.tmpName);
}

std::string ImportFiles::NewBackup() const {
    return System("TRI" + kWorkSuffix);
}

std::string ImportFiles::Record() const {
    return System("TODO");
}

std::string ImportFiles::Loose(const std::string& file) {
    return "DATABASE\\" + file;
}

std::string ImportFiles::Work(const std::string& file) {
    return Loose(file) + kWorkSuffix;
}

void ImportFiles::RemoveTemporaries() const {
    const std::string base = database_.BaseName();
    RemoveFrom(FlyFolder::FullName("SYSTEM"),
               {UpperAscii(database_.tmpName), base + "TRI" + kWorkSuffix, base + "TODO" + kWorkSuffix},
               {base + "TRI"});
    std::set<std::string> work;
    std::set<std::string> loose;
    for (const std::string& file : database_.packedFiles) {
        work.insert(file + kWorkSuffix);
        loose.insert(file);
    }
    RemoveFrom(FlyFolder::FullName("DATABASE"), work, loose);
}
