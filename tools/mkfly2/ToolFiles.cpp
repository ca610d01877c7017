#include "ToolFiles.h"

#include "FileWriting.h"

#include <array>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

// An empty scenery archive: the 96-byte version 2 header with a comment and no entries.
std::string EmptySceneryPod(const std::string& comment) {
    std::string bytes(96, '\0');
    bytes.replace(0, 4, "POD2");
    bytes.replace(8, comment.size() < 79 ? comment.size() : 79, comment.substr(0, 79));
    return bytes;
}

std::string SceneryControlFile(const std::string& podName) {
    return "<bgno>\r\n<vers>\r\n2\r\n<pod_>\r\n" + podName + "\r\n<endo>\r\n";
}

void WritePrograms(const fs::path& root) {
    WriteTextFile(root / "FLY2.EXE", "MZ synthetic Fly! II placeholder\r\n");
    WriteTextFile(root / "flystart.exe", "MZ synthetic start utility placeholder\r\n");
    WriteTextFile(root / "Fly2Slice.exe", "MZ synthetic slicer placeholder\r\n");
}

void WriteControls(const fs::path& root) {
    WriteTextFile(root / "control.txt",
                  "// joystick and button assignments\r\n"
                  "<axis> x aileron\r\n<axis> y elevator\r\n<axis> z throttle\r\n<button> 1 brakes\r\n");
    WriteTextFile(root / "system" / "default.key",
                  "// key assignments\r\n<key> F1 throttle_cut\r\n<key> F4 throttle_full\r\n<key> B brakes\r\n");
}

void WritePlugins(const fs::path& root) {
    const fs::path pc = root / "modules" / "pc";
    for (const char* name : {"GPS.DLL", "autopilot.dll", "Radios.dll", "weather.dll", "kln89.dll"})
        WriteTextFile(pc / name, std::string("MZ plug-in ") + name + "\r\n");
    WriteTextFile(pc / "oldgauge.dll.notused", "MZ switched-off plug-in\r\n");

    const fs::path scripts = root / "modules" / "scripts" / "global";
    WriteTextFile(scripts / "startup.py", "# start-up script\r\nprint('hello')\r\n");
    WriteTextFile(scripts / "startup.pyc", std::string("\x03\xf3\r\n", 4) + "compiled");
    WriteTextFile(scripts / "traffic.py", "# traffic script\r\n");
    WriteTextFile(scripts / "atc.pyc.notused", std::string("\x03\xf3\r\n", 4) + "compiled");
}

void WriteScenery(const fs::path& root) {
    const fs::path scenery = root / "scenery";
    const std::array<std::string, 3> active = {"alps", "coast", "island"};
    for (const std::string& name : active) {
        WriteTextFile(scenery / (name + ".pod"), EmptySceneryPod("synthetic scenery " + name));
        WriteTextFile(scenery / (name + ".scf"), SceneryControlFile(name + ".pod"));
    }
    WriteTextFile(scenery / "europe" / "rhine.pod", EmptySceneryPod("synthetic scenery rhine"));
    WriteTextFile(scenery / "europe" / "rhine.scf", SceneryControlFile("rhine.pod"));
    WriteTextFile(scenery / "desert.pod.notused", EmptySceneryPod("synthetic scenery desert"));
    WriteTextFile(scenery / "desert.scf.notused", SceneryControlFile("desert.pod"));
    WriteTextFile(root / "taxiways" / "ksea.pod", EmptySceneryPod("synthetic taxiways"));
}

void WriteDataAndHistory(const fs::path& root) {
    WriteTextFile(root / "data" / "terrain.tms", "synthetic terrain texture list\r\n");
    WriteTextFile(root / "data" / "city.txp", "synthetic texture pack\r\n");
    WriteTextFile(root / "aircraft" / "flyhawk.hst", "history\r\n");
    WriteTextFile(root / "aircraft" / "kingair.hst", "history\r\n");
    WriteTextFile(root / "aircraft" / "flyhawk.nfo", "aircraft information\r\n");
    fs::create_directories(root / "dex");
}

}  // namespace

void WriteToolFiles(const MkFly2Options& options) {
    const fs::path& root = options.folder;
    WritePrograms(root);
    WriteControls(root);
    WritePlugins(root);
    WriteScenery(root);
    WriteDataAndHistory(root);
}
