#pragma once

#include "pod/FlyFile.h"

#include <optional>
#include <string>

// Finds the Fly2 folder (kept by FlyFolder) and holds the process-wide list of open POD archives. Names
// passed in are either relative to the Fly2 folder (DATABASE\AIRPORT.DBD, any case) or full.
class PodList final {
  public:
    PodList() = delete;

    // The given folder, else the stored setting, else a terminal prompt (stores the answer unless
    // storeAnswer is false; an empty folder given goes straight to it); none of them: ZorException code 3
    // "Cannot find Fly2 directory". The folder found is handed to FlyFolder::Set.
    static void SetFlyFolder(const std::optional<std::string>& folder, bool storeAnswer = true);

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
};
