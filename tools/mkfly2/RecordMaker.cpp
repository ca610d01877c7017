#include "RecordMaker.h"

#include "db/TriDbRecord.h"
#include "db/TriDbTemplate.h"

#include <array>
#include <cstring>

namespace {

constexpr std::array<const char*, 8> kCountries = {"US", "CA", "FR", "DE", "GB", "AU", "BR", "JP"};
constexpr std::array<const char*, 12> kSyllables = {"ka", "lo", "mi", "ra", "ne", "to",
                                                    "vi", "su", "de", "ba", "or", "el"};

uint32_t Below(std::mt19937_64& random, uint32_t limit) {
    return static_cast<uint32_t>(random() % limit);
}

double Uniform(std::mt19937_64& random, double low, double high) {
    return low + (high - low) * static_cast<double>(random() >> 11) * 0x1.0p-53;
}

std::string Letters(std::mt19937_64& random, size_t count) {
    std::string text(count, 'A');
    for (char& c : text)
        c = static_cast<char>('A' + Below(random, 26));
    return text;
}

std::string RunwayEnd(uint32_t number, bool lowEnd) {
    static constexpr std::array<const char*, 3> kSides = {"", "L", "R"};
    const uint32_t heading = 1 + (number * 7) % 18;
    const uint32_t end = lowEnd ? heading : heading + 18;
    const std::string digits = (end < 10 ? "0" : "") + std::to_string(end);
    return digits + kSides[(number / 18) % 3];
}

void Store(const TriDbRecord& record, const TriDbTemplateEntry& entry, const void* bytes, size_t size) {
    std::memcpy(record.GetData() + entry.offset, bytes, std::min(size, static_cast<size_t>(entry.width)));
}

std::vector<int32_t> MasksOf(const std::string& list) {
    std::vector<int32_t> masks;
    size_t start = 0;
    while (start < list.size()) {
        const size_t comma = std::min(list.find(',', start), list.size());
        masks.push_back(std::stoi(list.substr(start, comma - start)));
        start = comma + 1;
    }
    return masks;
}

} // namespace

RecordMaker::RecordMaker(const DatabaseSpec& spec, const TriDbTemplate& recordTemplate) : spec_(spec) {
    for (const FieldSpec& field : spec.fields) {
        const TriDbTemplateEntry* entry = nullptr;
        for (const TriDbTemplateEntry& candidate : recordTemplate.fields) {
            if (candidate.fieldCode == field.code)
                entry = &candidate;
        }
        slots_.push_back(
            {&field, entry, field.rule == FieldRule::Mask ? MasksOf(field.text) : std::vector<int32_t>{}});
    }
}

std::string RecordMaker::KeyOf(uint32_t number) const {
    return spec_.fields[0].text + std::to_string(number + 1);
}

void RecordMaker::Fill(TriDbRecord record, uint32_t number, std::mt19937_64& random) const {
    for (const Slot& slot : slots_) {
        const FieldRule rule = slot.spec->rule;
        if (rule == FieldRule::Latitude || rule == FieldRule::Longitude || rule == FieldRule::Frequency) {
            const double value = rule == FieldRule::Latitude    ? Uniform(random, -85.0, 85.0) * 3600.0
                                 : rule == FieldRule::Longitude ? Uniform(random, -180.0, 180.0) * 3600.0
                                                                : Uniform(random, 108.0, 136.0);
            if (slot.entry)
                Store(record, *slot.entry, &value, sizeof value);
        } else if (rule == FieldRule::Mask || rule == FieldRule::Number) {
            const int32_t value = rule == FieldRule::Mask
                                      ? slot.masks[Below(random, static_cast<uint32_t>(slot.masks.size()))]
                                      : static_cast<int32_t>(Below(random, 10000));
            if (slot.entry)
                Store(record, *slot.entry, &value, sizeof value);
        } else {
            const std::string text = Value(slot, number, random);
            if (slot.entry)
                Store(record, *slot.entry, text.data(), text.size());
        }
    }
}

std::string RecordMaker::Value(const Slot& slot, uint32_t number, std::mt19937_64& random) const {
    const FieldSpec& field = *slot.spec;
    switch (field.rule) {
    case FieldRule::Key:
        return KeyOf(number);
    case FieldRule::Parent:
        return field.text + std::to_string(number / 2 + 1);
    case FieldRule::RunwayEnd:
        return RunwayEnd(number, field.text == "low");
    case FieldRule::Name: {
        std::string name = Letters(random, 1) + kSyllables[Below(random, 12)] + kSyllables[Below(random, 12)];
        return name + " " + std::to_string(number % 1000) + " " + field.text;
    }
    case FieldRule::Ident:
        return Letters(random, 2 + Below(random, static_cast<uint32_t>(field.width - 1)));
    case FieldRule::Country:
        return kCountries[Below(random, kCountries.size())];
    case FieldRule::State:
        return Letters(random, 2);
    default:
        return {};
    }
}
