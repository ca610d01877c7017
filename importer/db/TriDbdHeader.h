#pragma once

#include "db/DbdFileHeader.h"
#include "db/TriDbTableHeader.h"

// The header of a ".DBD" table.
class TriDbdHeader final : public TriDbTableHeader<DbdFileHeader> {
public:
    // Stores the current time (DbClock) first.
    size_t WriteToFile(DbFileWriter& file) override;
};
