#pragma once

#include <cstdint>
#include <string>

// One field of a record, as one line of a ".DBT" template file describes it.
struct TriDbTemplateEntry final {
    std::string fieldCode; // at most 4 characters ("rkey", "alat", ...)
    int32_t offset = 0;    // byte offset inside the record
    int32_t width = 0;     // bytes
    char type = 0;         // 'C' text, 'I' int32, 'D' double; anything else raw bytes
    std::string comment;   // the rest of the line after the fourth comma, unchanged
};
