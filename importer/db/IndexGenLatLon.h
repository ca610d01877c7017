#pragma once

#include "db/IndexGen.h"

class TriDb;

// Key = "%03i%03i" of the longitude cell and the latitude band of two 'D' fields in arc-seconds.
class IndexGenLatLon final : public IndexGen {
public:
    IndexGenLatLon(const TriDb& table, const std::string& latCode, const std::string& lonCode);
    void MakeKey(TriDbRecord& record) const override;

    // The cell text of a position in degrees.
    static std::string CellText(double latitude, double longitude);

private:
    std::string latCode;
    std::string lonCode;
};
