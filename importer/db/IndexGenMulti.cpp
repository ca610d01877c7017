#include "db/IndexGenMulti.h"

#include "db/TriDb.h"

IndexGenMulti::IndexGenMulti(const TriDb& table, const std::string& firstCode, const std::string& secondCode_)
    : IndexGen(firstCode, 0), first(firstCode), second(secondCode_),
      firstWidth(table.GetTemplate().GetField(firstCode).width),
      secondWidth(table.GetTemplate().GetField(secondCode_).width) {
    keyWidth = firstWidth + secondWidth;
}

std::string IndexGenMulti::MakeKey(const TriDbRecord& record) const {
    std::string key = first.TextOf(record) + second.TextOf(record);
    if (key.size() > static_cast<size_t>(keyWidth))
        key.resize(static_cast<size_t>(keyWidth));
    return key;
}
