#include "db/FieldRef.h"

#include "db/TriDbRecord.h"
#include "db/TriDbTemplate.h"

FieldRef::FieldRef(std::string code) : code_(std::move(code)) {}

const TriDbTemplateEntry* FieldRef::Find(const TriDbTemplate& layout) const {
    const auto hint = static_cast<size_t>(hint_);
    if (hint < layout.fields.size() && layout.fields[hint].fieldCode == code_)
        return &layout.fields[hint];
    const int found = layout.FindFieldIndex(code_);
    if (found < 0)
        return nullptr;
    hint_ = found;
    return &layout.GetField(found);
}

std::string FieldRef::TextOf(const TriDbRecord& record) const {
    if (!Find(*record.GetTemplate()))
        return record.GetFieldText(code_);
    return record.GetFieldText(hint_);
}
