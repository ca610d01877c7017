#include "pod/FlyFolder.h"

#include "base/ErrorCodes.h"
#include "base/ZorException.h"
#include "platform/AsciiCase.h"
#include "platform/NativeFs.h"

#include <string_view>

namespace {

std::string flyFolder;

std::string ForwardSlashes(std::string text) {
    for (char& c : text)
        if (c == '\\')
            c = '/';
    return text;
}

} // namespace

void FlyFolder::Set(const std::string& folder) {
    flyFolder = ForwardSlashes(folder);
    if (!flyFolder.empty() && flyFolder.back() != '/')
        flyFolder += '/';
}

const std::string& FlyFolder::Get() {
    return flyFolder;
}

bool FlyFolder::IsFullName(const std::string& name) {
    // Compared like the simulator's upper-case names: without regard to ASCII case.
    return !flyFolder.empty() && name.size() >= flyFolder.size() &&
           EqualIgnoringAsciiCase(ForwardSlashes(name.substr(0, flyFolder.size())), flyFolder);
}

std::string FlyFolder::RelativeName(const std::string& name) {
    std::string relative =
        UpperAscii(IsFullName(name) ? std::string_view(name).substr(flyFolder.size()) : name);
    for (char& c : relative)
        if (c == '/')
            c = '\\';
    return relative;
}

std::string FlyFolder::FullName(const std::string& name) {
    const std::string relative = RelativeName(name);
    if (!IsSafeRelativeName(relative))
        throw ZorException("PodList", 77, ErrorCode::kUnsafeName,
                           FormatMessage("Refused name %s: it leaves the Fly2 directory", name.c_str()));
    return flyFolder + relative;
}
