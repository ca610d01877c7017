#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One index file of a database and how its keys are made.
struct NavIndex final {
    enum class Kind { Field, LatLon, Multi, Aica };

    std::string file; // bare name below DATABASE\, e.g. APRTICAO.DBI
    Kind kind;
    std::string firstCode;  // Field: the field; LatLon: latitude; Multi: first field
    std::string secondCode; // LatLon: longitude; Multi: second field
    std::string filterCode; // empty: every record
    uint32_t filterMask = 0;
};

// One of the simulator's eight navigation databases: its archive and what goes into it.
struct NavDatabase final {
    std::string table;                    // as a DEX header names it, e.g. AIRPORT.DBD
    std::string archive;                  // SYSTEM\AIRPORT.POD
    std::string tmpName;                  // AIRPORT.TMP, the new archive in SYSTEM
    std::string description;              // the new archive's comment
    std::vector<std::string> packedFiles; // below DATABASE\, in packing order
    std::string indexProgress;            // empty: the database has no index files
    std::vector<NavIndex> indexes;        // in the order they are written

    // The eight, in the order their archives are opened.
    static const std::vector<NavDatabase>& All();
    // The database whose table name equals upperName exactly; null for any other name.
    static const NavDatabase* Find(const std::string& upperName);
    // The archive's base name up to and including its first '.' (AIRPORT.).
    std::string BaseName() const;
};
