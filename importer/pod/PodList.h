#pragma once

#include "pod/FlyFile.h"

#include <optional>
#include <string>

// The Fly2 folder and the process-wide list of open POD archives. Names passed in are either relative
// to the Fly2 folder (DATABASE\AIRPORT.DBD, any case) or full (GetFlyFolder() + relative name).
class PodList final {
  public:
    PodList() = delete;

    // The given folder, else the stored setting, else a terminal prompt (stores the answer unless
    // storeAnswer is false; an empty folder given goes straight to it); none of them: ZorException code 3
    // "Cannot find Fly2 directory". The folder is kept as given, '\' turned into '/', ending in '/'.
    static void SetFlyFolder(const std::optional<std::string>& folder, bool storeAnswer = true);
    static std::string GetFlyFolder();

    // Opens SYSTEM\X.POD (relative name) and appends it, unless the same archive is already open.
    static void AddPod(const std::string& name);
    // Fills file from the loose file when it exists (unless podOnly), else from the first archive
    // that holds it; nowhere: code 2 "Unable to open %s". A failed call leaves file reset.
    static void OpenFlyFile(const std::string& name, FlyFile& file, bool podOnly);
    // Writes the archived copy to its place under the Fly2 folder (through a temporary), or straight to
    // writeTo (an import's work file); false (and nothing done) when the file exists at its place and
    // overwrite is false.
    static bool ExtractFlyFile(const std::string& name, bool overwrite, const std::string& writeTo = {});
    // Unmaps every archive. Images taken from archives must not be used afterwards.
    static void CloseAllPods();
    static int GetPodCount();

    // Whether name begins with the Fly2 folder ('\' and '/' taken alike, ASCII case ignored).
    static bool IsFullName(const std::string& name);
    // The name below the Fly2 folder, upper case with backslashes (DATABASE\AIRPORT.DBD).
    static std::string RelativeName(const std::string& name);
    // GetFlyFolder() + RelativeName(name). Refuses a name that would leave the Fly2 folder (a ".."
    // component, a leading separator, a drive letter) with code 0x10010.
    static std::string FullName(const std::string& name);
};
