// POD archive reader: open the input as an archive, then read every entry and look each name up.
#include "base/MessageSink.h"
#include "base/ZorException.h"
#include "pod/PodFile.h"

#include <cstring>
#include <string_view>

namespace {

void DropProgress(void*, const char*) {}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    MessageSink::Instance().SetWriter(nullptr, DropProgress);
    PodFile pod;
    try {
        pod.Open({data, size}, "FUZZ.POD");
    } catch (const ZorException&) {
        return 0;
    }
    volatile uint32_t sum = 0;
    for (int i = 0; i < pod.GetEntryCount(); ++i) {
        const PodEntryRef entry = pod.GetEntry(i);
        // Find walks the name table in order, which need not agree with the entries' name offsets.
        pod.Find(std::string_view(entry.name, std::strlen(entry.name)));
        const uint8_t* bytes = entry.Data();
        for (uint32_t b = 0; b < entry.Size(); ++b)
            sum = sum + bytes[b];
    }
    pod.GetEntry(pod.GetEntryCount());
    return 0;
}
