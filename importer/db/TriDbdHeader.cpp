#include "db/TriDbdHeader.h"

#include "db/DbClock.h"

size_t TriDbdHeader::WriteToFile(DbFileWriter& file) {
    fields_.time = DbClock::Now();
    return TriDbTableHeader::WriteToFile(file);
}
