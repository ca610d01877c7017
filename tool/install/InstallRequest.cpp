#include "install/InstallRequest.h"

namespace {

struct TypeTexts final {
    const char* name;
    const char* firstLine;
    const char* caption;
};

// By type, in the order of the enumeration.
const TypeTexts Texts[] = {
    {"Installation scénes", "*** Installing Scenery ***", "scènes (+ taxiways)"},
    {"Installation scènes vers un répertoire externe", "*** Installing Scenery to external/other folder ***",
     "scènes vers un répertoire externe"},
    {"Installation taxiways", "*** Installing Taxiways ***", "taxiways (pod)/[bgr,txp,tms]"},
    {"Installation avions", "", "avions NON IMPLEMENTES"},
    {"Installation script", "", "script NON IMPLEMENTES"},
    {"Installation DEX files", "*** Installing DEX files ***", "DEX files import /Navmerger.exe"},
};

} // namespace

QString InstallationName(InstallType type) {
    return QString::fromUtf8(Texts[int(type)].name);
}

QString FirstLogLine(InstallType type) {
    return QString::fromUtf8(Texts[int(type)].firstLine);
}

QString InstallTypeCaption(InstallType type) {
    return QString::fromUtf8(Texts[int(type)].caption);
}
