#pragma once

#include "DatabaseCatalog.h"

#include <cstdint>
#include <random>
#include <string>
#include <vector>

class TriDbRecord;
class TriDbTemplate;
struct TriDbTemplateEntry;

// Fills synthetic records of one database. Fields depending on the record number alone (key, parent,
// runway ends) come out the same every time; the others come from the random source.
class RecordMaker final {
public:
    RecordMaker(const DatabaseSpec& spec, const TriDbTemplate& recordTemplate);

    void Fill(TriDbRecord record, uint32_t number, std::mt19937_64& random) const;
    std::string KeyOf(uint32_t number) const;

private:
    struct Slot {
        const FieldSpec* spec;
        const TriDbTemplateEntry* entry; // null: not in this template (first-release layout)
        std::vector<int32_t> masks;
    };

    std::string Value(const Slot& slot, uint32_t number, std::mt19937_64& random) const;

    const DatabaseSpec& spec_;
    std::vector<Slot> slots_;
};
