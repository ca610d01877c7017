#pragma once

#include "db/FieldRef.h"
#include "db/IndexGen.h"

class TriDb;

// Key = the text of one field; width = the field's width.
class IndexGenField final : public IndexGen {
public:
    IndexGenField(const TriDb& table, const std::string& code);
    std::string MakeKey(const TriDbRecord& record) const override;

private:
    FieldRef field;
};
