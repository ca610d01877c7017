// Record template parser: parse the input as a ".DBT" file, then ask for every field by number and code.
#include "base/MessageSink.h"
#include "base/ZorException.h"
#include "db/TriDbTemplate.h"
#include "pod/FlyFile.h"

namespace {

void DropProgress(void*, const char*) {}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    MessageSink::Instance().SetWriter(nullptr, DropProgress);
    FlyFile image;
    image.Set(data, static_cast<uint32_t>(size), "DATABASE\\FUZZ.DBT", 0);
    TriDbTemplate recordTemplate;
    try {
        recordTemplate.LoadFromImage(image);
        volatile int total = recordTemplate.GetRecordSize();
        for (int i = 0; i < recordTemplate.GetFieldCount(); ++i) {
            const TriDbTemplateEntry& field = recordTemplate.GetField(i);
            total = total + recordTemplate.GetField(field.fieldCode).width;
        }
        recordTemplate.GetField(recordTemplate.GetFieldCount());
    } catch (const ZorException&) {
    }
    return 0;
}
