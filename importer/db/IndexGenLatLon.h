#pragma once

#include "db/FieldRef.h"
#include "db/IndexGen.h"

#include <utility>

class TriDb;

// Key = "%03i%03i" of the longitude cell and the latitude band of two 'D' fields in arc-seconds.
class IndexGenLatLon final : public IndexGen {
public:
    IndexGenLatLon(const TriDb& table, const std::string& latCode, const std::string& lonCode);
    // A position that no cell key can hold is refused with code 0x2000D.
    std::string MakeKey(const TriDbRecord& record) const override;
    // The same refusal ahead of time, so that a table is refused before it is written; fields of another
    // type or missing are left to MakeKey, which reports them after its progress line.
    void ValidateRecord(const TriDbRecord& record) const;

    // Whether the seven characters of a cell key can hold the position in degrees: both numbers finite
    // and the longitude cell at most three digits (the latitude band always fits).
    static bool FitsKey(double latitude, double longitude);
    // The cell text of a position in degrees for which FitsKey holds.
    static std::string CellText(double latitude, double longitude);

private:
    // The position in degrees, refused with code 0x2000D when no cell key can hold it.
    std::pair<double, double> PositionOf(const TriDbRecord& record) const;

    FieldRef latField;
    FieldRef lonField;
};
