#include "db/IndexGenLatLon.h"

#include "db/LatitudeBands.h"
#include "db/TriDbRecord.h"
#include "db/TriDbTemplate.h"
#include "driver/ZorException.h"

#include <cmath>

namespace {

constexpr double kPerArcSecond = 1.0 / 3600.0;
constexpr double kLonCellsPerDegree = 128.0 / 180.0;
constexpr double kRadiansPerDegreeOverPi = 1.0 / 180.0;

double DegreesOf(const TriDbRecord& record, const std::string& code, int site) {
    const TriDbTemplateEntry& field = record.GetTemplate()->GetField(code);
    if (field.type != 'D')
        throw ZorException("IndexGen", site, 0x20009,
                           FormatMessage("%s is not a valid latitude", code.c_str()));
    return record.ReadDouble(field.offset) * kPerArcSecond;
}

} // namespace

IndexGenLatLon::IndexGenLatLon(const TriDb&, const std::string& latCode_, const std::string& lonCode_)
    : IndexGen("ltln", 7), latCode(latCode_), lonCode(lonCode_) {}

void IndexGenLatLon::MakeKey(TriDbRecord& record) const {
    const double latitude = DegreesOf(record, latCode, 93);
    const double longitude = DegreesOf(record, lonCode, 101);
    record.SetKeyText(CellText(latitude, longitude));
}

std::string IndexGenLatLon::CellText(double latitude, double longitude) {
    const auto lonCell = static_cast<int>(longitude * kLonCellsPerDegree);
    const double pi = 2.0 * std::acos(0.0);
    const int band = LatitudeBands::BandOf(std::fabs(latitude) * pi * kRadiansPerDegreeOverPi);
    const int latCell = latitude > 0 ? 127 + band : 128 - band;
    return FormatMessage("%03i%03i", lonCell, latCell);
}
