#pragma once

#include "db/IndexGen.h"

class TriDb;

// Key = the first field's text directly followed by the second's, cut to the sum of both widths.
class IndexGenMulti final : public IndexGen {
public:
    IndexGenMulti(const TriDb& table, const std::string& firstCode, const std::string& secondCode);
    std::string MakeKey(const TriDbRecord& record) const override;

private:
    std::string secondCode;
    int32_t firstWidth;
    int32_t secondWidth;
};
