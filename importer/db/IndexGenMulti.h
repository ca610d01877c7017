#pragma once

#include "db/FieldRef.h"
#include "db/IndexGen.h"

class TriDb;

// Key = the first field's text directly followed by the second's, cut to the sum of both widths.
class IndexGenMulti final : public IndexGen {
public:
    IndexGenMulti(const TriDb& table, const std::string& firstCode, const std::string& secondCode);
    std::string MakeKey(const TriDbRecord& record) const override;

private:
    FieldRef first;
    FieldRef second;
    int32_t firstWidth;
    int32_t secondWidth;
};
