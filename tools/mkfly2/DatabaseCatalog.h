#pragma once

#include <string>
#include <vector>

// How the generator fills one field of a synthetic record.
enum class FieldRule {
    Mark,      // the deletion mark byte: zero, '*' in a deletion
    Key,       // prefix + record number
    Parent,    // the key of record number / 2 of the database with that prefix
    RunwayEnd, // runway end of the record's runway ("09", "27L", ...); lowEnd for the other end
    Name,      // a pronounceable name followed by the word given
    Ident,     // 2 to width upper-case letters; width 5 gives some two-letter idents
    Country,
    State,
    Latitude,  // arc-seconds
    Longitude, // arc-seconds
    Mask,      // one of the masks given in text, comma-separated
    Number,    // 0 ... 9999
    Frequency, // MHz
};

struct FieldSpec {
    std::string code;
    int width;
    char type;
    FieldRule rule;
    std::string text; // prefix, word or mask list, by rule
    std::string comment;
};

struct DatabaseSpec {
    std::string base;              // AIRPORT
    std::vector<FieldSpec> fields; // in template order: the key first (offset 1), then the mark byte (0)

    std::string TableFile() const { return base + ".DBD"; }
    // The ".DBT" text, CR LF line ends; without its last field when firstRelease.
    std::string TemplateText(bool firstRelease = false) const;
};

// The eight databases, in the importer's archive order.
const std::vector<DatabaseSpec>& DatabaseCatalog();
const DatabaseSpec& FindDatabase(const std::string& base);
