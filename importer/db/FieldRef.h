#pragma once

#include "db/TriDbTemplateEntry.h"

#include <string>

class TriDbRecord;
class TriDbTemplate;

// A field named by its code, found in a layout with one comparison when it sits where it was found last:
// the index generators look up the same fields for every record of a table.
class FieldRef final {
public:
    explicit FieldRef(std::string code);

    const std::string& Code() const { return code_; }
    // The field of that code, or null.
    const TriDbTemplateEntry* Find(const TriDbTemplate& layout) const;
    // The field's text, as TriDbRecord::GetFieldText gives it for the code (also its failure).
    std::string TextOf(const TriDbRecord& record) const;

private:
    std::string code_;
    mutable int hint_ = 0;
};
