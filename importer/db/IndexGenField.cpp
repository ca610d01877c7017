#include "db/IndexGenField.h"

#include "db/TriDb.h"

IndexGenField::IndexGenField(const TriDb& table, const std::string& code)
    : IndexGen(code, table.GetTemplate().GetField(code).width) {}

void IndexGenField::MakeKey(TriDbRecord& record) const {
    record.SetKeyText(record.GetFieldText(name));
}
