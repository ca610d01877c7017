#include "pod/PodList.h"

#include "base/ErrorCodes.h"
#include "base/ZorException.h"
#include "platform/FolderPrompt.h"
#include "platform/NativeFs.h"
#include "platform/OutputFile.h"
#include "platform/StoredSetting.h"
#include "platform/WineRegistry.h"
#include "pod/FlyFolder.h"
#include "pod/PodFile.h"

#include <vector>

namespace {

std::vector<PodFile> pods;

std::string StoredFlyFolder() {
    if (std::optional<std::string> stored = ReadStoredFlyFolder())
        return *stored;
    return ReadWineRegistryFlyFolder().value_or("");
}

std::string PromptedFlyFolder(bool store) {
    std::optional<std::string> chosen = PromptFlyFolder();
    if (!chosen)
        return {};
    if (store)
        StoreFlyFolder(*chosen);
    return *chosen;
}

} // namespace

void PodList::SetFlyFolder(const std::optional<std::string>& folder, bool storeAnswer) {
    std::string found = folder ? *folder : StoredFlyFolder();
    if (found.empty())
        found = PromptedFlyFolder(storeAnswer);
    FlyFolder::Set(found);
    if (found.empty())
        throw ZorException("PodList", 48, ErrorCode::kNoFlyFolder, "Cannot find Fly2 directory");
}

void PodList::AddPod(const std::string& name) {
    const std::string full = FlyFolder::FullName(name);
    for (const PodFile& pod : pods)
        if (pod.GetName() == full)
            return;
    PodFile pod;
    pod.Open(full);
    pods.push_back(pod);
}

void PodList::OpenFlyFile(const std::string& name, FlyFile& file, bool podOnly) {
    file.Reset();
    const std::string full = FlyFolder::FullName(name);
    if (!podOnly && PathExists(full)) {
        file.OpenDisk(full);
        return;
    }
    const std::string relative = FlyFolder::RelativeName(name);
    for (const PodFile& pod : pods) {
        const PodEntryRef entry = pod.Find(relative);
        if (!entry.IsNull()) {
            file.Set(entry.Data(), entry.Size(), relative, entry.Time());
            return;
        }
    }
    throw ZorException("PodList", 107, ErrorCode::kNotFound, FormatMessage("Unable to open %s", ShownPath(name, FlyFolder::Get()).c_str()));
}

bool PodList::ExtractFlyFile(const std::string& name, bool overwrite, const std::string& writeTo) {
    const std::string full = FlyFolder::FullName(name);
    if (!overwrite && PathExists(full))
        return false;
    FlyFile image;
    OpenFlyFile(FlyFolder::RelativeName(name), image, true);
    OutputFile out;
    if (const int error = writeTo.empty() ? out.Create(full, true) : out.Create(writeTo, false))
        throw ZorException("PodList", 118, error, FormatMessage("Unable to create %s", ShownPath(full).c_str()));
    int error = out.Write(image.data, image.size);
    if (error == 0)
        error = out.Commit(overwrite);
    if (error != 0)
        throw ZorException("PodList", 123, error, FormatMessage("Unable to write to %s", ShownPath(full).c_str()));
    return true;
}

void PodList::CloseAllPods() {
    pods.clear();
}

int PodList::GetPodCount() {
    return static_cast<int>(pods.size());
}
