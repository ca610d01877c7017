#include "db/IndexGenField.h"

#include "db/TriDb.h"

IndexGenField::IndexGenField(const TriDb& table, const std::string& code)
    : IndexGen(code, table.GetTemplate().GetField(code).width), field(code) {}

std::string IndexGenField::MakeKey(const TriDbRecord& record) const {
    return field.TextOf(record);
}
