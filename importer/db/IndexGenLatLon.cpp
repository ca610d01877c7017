#include "db/IndexGenLatLon.h"

#include "base/ErrorCodes.h"
#include "base/ZorException.h"
#include "db/LatitudeBands.h"
#include "db/TriDbRecord.h"
#include "db/TriDbTemplate.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

// Multiplications by the doubles nearest to these fractions, never divisions: the cells must come out to
// the bit as the simulator's own index keys do, also for positions on a cell's edge.
constexpr double kPerArcSecond = 1.0 / 3600.0;      // positions are stored in arc-seconds
constexpr double kLonCellsPerDegree = 128.0 / 180.0; // 128 cells per half turn, 1.40625 degrees each
constexpr double kRadiansPerDegreeOverPi = 1.0 / 180.0;
// The key has 7 characters and the latitude cell takes 3, which leaves 4 for the longitude cell: "-999".
constexpr double kWidestLonCell = 999.0;

double DegreesOf(const TriDbRecord& record, const FieldRef& ref, int site) {
    const TriDbTemplateEntry* found = ref.Find(*record.GetTemplate());
    const TriDbTemplateEntry& field = found ? *found : record.GetTemplate()->GetField(ref.Code());
    if (field.type != 'D')
        throw ZorException("IndexGen", site, ErrorCode::kNotAPosition,
                           FormatMessage("%s is not a valid latitude", ref.Code().c_str()));
    return record.ReadDouble(field.offset) * kPerArcSecond;
}

bool IsPosition(const TriDbTemplateEntry* field) {
    return field != nullptr && field->type == 'D';
}

// What printf's "%03i" gives, without printf: a million keys are made per index of a large table.
void AppendThreeWide(std::string& text, int value) {
    char digits[16];
    const long magnitude = value < 0 ? -static_cast<long>(value) : value;
    char* end = std::to_chars(digits, digits + sizeof digits, magnitude).ptr;
    const auto width = static_cast<int>(end - digits) + (value < 0 ? 1 : 0);
    if (value < 0)
        text += '-';
    text.append(static_cast<size_t>(std::max(0, 3 - width)), '0');
    text.append(digits, static_cast<size_t>(end - digits));
}

} // namespace

IndexGenLatLon::IndexGenLatLon(const TriDb&, const std::string& latCode_, const std::string& lonCode_)
    : IndexGen("ltln", 7), latField(latCode_), lonField(lonCode_) {}

std::string IndexGenLatLon::MakeKey(const TriDbRecord& record) const {
    const auto [latitude, longitude] = PositionOf(record);
    return CellText(latitude, longitude);
}

void IndexGenLatLon::ValidateRecord(const TriDbRecord& record) const {
    const TriDbTemplate& layout = *record.GetTemplate();
    if (IsPosition(latField.Find(layout)) && IsPosition(lonField.Find(layout)))
        PositionOf(record);
}

std::pair<double, double> IndexGenLatLon::PositionOf(const TriDbRecord& record) const {
    const double latitude = DegreesOf(record, latField, 93);
    const double longitude = DegreesOf(record, lonField, 101);
    if (!FitsKey(latitude, longitude))
        throw ZorException(
            "IndexGen", 110, ErrorCode::kNoCellKey,
            FormatMessage("Record %s: no index key can hold the position %s = %s, %s = %s",
                          record.GetFieldText(0).c_str(), latField.Code().c_str(), latField.TextOf(record).c_str(),
                          lonField.Code().c_str(), lonField.TextOf(record).c_str()));
    return {latitude, longitude};
}

bool IndexGenLatLon::FitsKey(double latitude, double longitude) {
    return std::isfinite(latitude) && std::isfinite(longitude) &&
           std::fabs(std::trunc(longitude * kLonCellsPerDegree)) <= kWidestLonCell;
}

std::string IndexGenLatLon::CellText(double latitude, double longitude) {
    const auto lonCell = static_cast<int>(longitude * kLonCellsPerDegree);
    const double pi = 2.0 * std::acos(0.0);
    const int band = LatitudeBands::BandOf(std::fabs(latitude) * pi * kRadiansPerDegreeOverPi);
    const int latCell = latitude > 0 ? 127 + band : 128 - band;
    std::string text;
    AppendThreeWide(text, lonCell);
    AppendThreeWide(text, latCell);
    return text;
}
