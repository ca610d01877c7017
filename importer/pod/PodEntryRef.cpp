#include "pod/PodEntryRef.h"

#include "pod/PodFormat.h"

uint32_t PodEntryRef::Size() const {
    return PodFormat::Read32(entry + PodFormat::kEntrySizeField);
}

uint32_t PodEntryRef::DataOffset() const {
    return PodFormat::Read32(entry + PodFormat::kEntryData);
}

uint32_t PodEntryRef::Time() const {
    return PodFormat::Read32(entry + PodFormat::kEntryTime);
}
