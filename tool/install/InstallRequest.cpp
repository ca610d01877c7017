#include "install/InstallRequest.h"

namespace {

struct TypeTexts final {
    const char* name;
    const char* firstLine;
};

// By type, in the order of the enumeration.
const TypeTexts Texts[] = {
    {"Installation scénes", "*** Installing Scenery ***"},
    {"Installation scènes vers un répertoire externe", "*** Installing Scenery to external/other folder ***"},
    {"Installation taxiways", "*** Installing Taxiways ***"},
    {"Installation avions", ""},
    {"Installation script", ""},
    {"Installation DEX files", "*** Installing DEX files ***"},
};

} // namespace

QString InstallationName(InstallType type) {
    return QString::fromUtf8(Texts[int(type)].name);
}

QString FirstLogLine(InstallType type) {
    return QString::fromUtf8(Texts[int(type)].firstLine);
}
