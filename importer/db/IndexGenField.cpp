#include "db/IndexGenField.h"

#include "db/TriDb.h"

IndexGenField::IndexGenField(const TriDb& table, const std::string& code)
    : IndexGen(code, table.GetTemplate().GetField(code).width) {}

std::string IndexGenField::MakeKey(const TriDbRecord& record) const {
    return record.GetFieldText(name);
}
