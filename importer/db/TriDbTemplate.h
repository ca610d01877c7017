#pragma once

#include "db/TriDbTemplateEntry.h"

#include <string>
#include <vector>

class FlyFile;

// The record layout of one database, read from its ".DBT" file. Loaded once, then only read.
class TriDbTemplate final {
public:
    // Opens the file through PodList (loose file first, then the open archives) and parses it.
    void Load(const std::string& name);
    // Parses an image already at hand; name becomes the image's name.
    void LoadFromImage(const FlyFile& file);

    // Failures: "Asked for field %s which doesn't exist" / "Asked for field %i when only %i available".
    int GetFieldIndex(const std::string& code) const;
    const TriDbTemplateEntry& GetField(const std::string& code) const;
    const TriDbTemplateEntry& GetField(int index) const;
    // The field of that code, or null.
    const TriDbTemplateEntry* FindField(const std::string& code) const;
    // The index of the field of that code, or -1.
    int FindFieldIndex(const std::string& code) const;
    int GetFieldCount() const { return static_cast<int>(fields.size()); }

    // Offset + width of the last field in file order; 0 without fields.
    int GetRecordSize() const;
    // Records are merged by field 0: one without a byte inside the record would make every key empty,
    // so that every update replaced or deleted the first record. Refused with code 0x2000E.
    void CheckKeyField() const;

    std::vector<TriDbTemplateEntry> fields;
    std::string name;

private:
    void ParseFieldLine(const std::string& line);
};
