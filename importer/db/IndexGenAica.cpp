#include "db/IndexGenAica.h"

#include "db/TriDb.h"

IndexGenAica::IndexGenAica(const TriDb& table)
    : IndexGen("aica", table.GetTemplate().GetField("aica").width) {}

std::string IndexGenAica::MakeKey(const TriDbRecord& record) const {
    std::string key = record.GetFieldText("aica");
    if (key.size() == 2)
        key = record.GetFieldText("afaa");
    return key;
}
