#pragma once

#include "db/IndexGen.h"

class TriDb;

// Key = the "aica" text, or the "afaa" text when the "aica" text has exactly two characters.
class IndexGenAica final : public IndexGen {
public:
    explicit IndexGenAica(const TriDb& table);
    std::string MakeKey(const TriDbRecord& record) const override;
};
