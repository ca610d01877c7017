#include "DatabaseCatalog.h"

#include <stdexcept>

namespace {

using R = FieldRule;

FieldSpec Mark(const std::string& code) {
    return {code, 1, 'C', R::Mark, "", "Deletion mark"};
}

DatabaseSpec Airport() {
    return {"AIRPORT",
            {{"akey", 10, 'C', R::Key, "A", "Unique airport key"},
             Mark("adel"),
             {"afaa", 4, 'C', R::Ident, "", "FAA identifier"},
             {"aica", 5, 'C', R::Ident, "", "ICAO identifier"},
             {"anam", 40, 'C', R::Name, "Field", "Airport name"},
             {"actr", 3, 'C', R::Country, "", "Country, ISO code"},
             {"asta", 3, 'C', R::State, "", "State or province"},
             {"alat", 8, 'D', R::Latitude, "", "Latitude, arc-seconds"},
             {"alon", 8, 'D', R::Longitude, "", "Longitude, arc-seconds"},
             {"aelv", 4, 'I', R::Number, "", "Elevation, feet"},
             {"atyp", 4, 'I', R::Mask, "1,2,4", "Facility type, 1 airport, 2 heliport, 4 seaplane base"}}};
}

DatabaseSpec Comm() {
    return {"COMM",
            {{"ckey", 10, 'C', R::Key, "C", "Unique frequency key"},
             Mark("cdel"),
             {"capt", 10, 'C', R::Parent, "A", "Airport key"},
             {"cnam", 20, 'C', R::Name, "Tower", "Facility name"},
             {"ctyp", 4, 'I', R::Mask, "1,2,4,8", "Type, 1 tower, 2 ground, 4 ATIS, 8 approach"},
             {"cfrq", 8, 'D', R::Frequency, "", "Frequency, MHz"},
             {"clat", 8, 'D', R::Latitude, "", "Latitude, arc-seconds"},
             {"clon", 8, 'D', R::Longitude, "", "Longitude, arc-seconds"}}};
}

DatabaseSpec Ils() {
    return {"ILS",
            {{"ikey", 10, 'C', R::Key, "I", "Unique ILS key"},
             Mark("idel"),
             {"iapt", 10, 'C', R::Parent, "A", "Airport key"},
             {"irwy", 4, 'C', R::RunwayEnd, "", "Runway end served"},
             {"iidn", 5, 'C', R::Ident, "", "Identifier"},
             {"ityp", 4, 'I', R::Mask, "64,65,1,2", "Type, 64 localizer, 1 glide slope, 2 marker"},
             {"ifrq", 8, 'D', R::Frequency, "", "Frequency, MHz"},
             {"ilat", 8, 'D', R::Latitude, "", "Latitude, arc-seconds"},
             {"ilon", 8, 'D', R::Longitude, "", "Longitude, arc-seconds"}}};
}

DatabaseSpec Navaid() {
    return {"NAVAID",
            {{"nkey", 10, 'C', R::Key, "N", "Unique navaid key"},
         Mark("ndel"),
         {"naid", 5, 'C', R::Ident, "", "Identifier"},
         {"nnam", 30, 'C', R::Name, "Vortac", "Name"},
         {"ntyp", 4, 'I', R::Mask, "1,8,9,2,3,16", "Type, 1 VOR, 2 DME, 8 NDB, 16 TACAN"},
         {"nfrq", 8, 'D', R::Frequency, "", "Frequency, MHz or kHz"},
         {"nlat", 8, 'D', R::Latitude, "", "Latitude, arc-seconds"},
         {"nlon", 8, 'D', R::Longitude, "", "Longitude, arc-seconds"},
         {"nmag", 8, 'D', R::Frequency, "", "Magnetic variation, degrees (added after the first release)"}}};
}

DatabaseSpec Runway() {
    return {"RUNWAY",
            {{"rkey", 10, 'C', R::Key, "R", "Unique runway key"},
             Mark("rdel"),
             {"rapt", 10, 'C', R::Parent, "A", "Airport key"},
             {"rhid", 4, 'C', R::RunwayEnd, "", "High end identifier"},
             {"rlid", 4, 'C', R::RunwayEnd, "low", "Low end identifier"},
             {"rlen", 4, 'I', R::Number, "", "Length, feet"},
             {"rwid", 4, 'I', R::Number, "", "Width, feet"},
             {"rsfc", 4, 'I', R::Mask, "1,2,4", "Surface, 1 asphalt, 2 concrete, 4 grass"},
             {"rhla", 8, 'D', R::Latitude, "", "High end latitude, arc-seconds"},
             {"rhlo", 8, 'D', R::Longitude, "", "High end longitude, arc-seconds"}}};
}

DatabaseSpec AtsRoute() {
    return {"ATSROUTE",
            {{"tkey", 12, 'C', R::Key, "T", "Unique route segment key"},
             Mark("tdel"),
             {"tnam", 8, 'C', R::Ident, "", "Route name"},
             {"tseq", 4, 'I', R::Number, "", "Sequence number"},
             {"tfrm", 10, 'C', R::Parent, "W", "From waypoint key"},
             {"tlvl", 4, 'I', R::Mask, "1,2", "Level, 1 low, 2 high"}}};
}

DatabaseSpec Obstruct() {
    return {"OBSTRUCT",
            {{"okey", 10, 'C', R::Key, "O", "Unique obstruction key"},
             Mark("odel"),
             {"onam", 20, 'C', R::Name, "Tower", "Description"},
             {"otyp", 4, 'I', R::Mask, "1,2,4", "Type, 1 tower, 2 stack, 4 building"},
             {"ohgt", 4, 'I', R::Number, "", "Height, feet"},
             {"olat", 8, 'D', R::Latitude, "", "Latitude, arc-seconds"},
             {"olon", 8, 'D', R::Longitude, "", "Longitude, arc-seconds"}}};
}

DatabaseSpec Waypoint() {
    return {"WAYPOINT",
            {{"wkey", 10, 'C', R::Key, "W", "Unique waypoint key"},
             Mark("wdel"),
             {"wnam", 6, 'C', R::Ident, "", "Name"},
             {"wtyp", 4, 'I', R::Mask, "1,2,4", "Type, 1 enroute, 2 terminal, 4 RNAV"},
             {"wctr", 3, 'C', R::Country, "", "Country, ISO code"},
             {"wlat", 8, 'D', R::Latitude, "", "Latitude, arc-seconds"},
             {"wlon", 8, 'D', R::Longitude, "", "Longitude, arc-seconds"}}};
}

// The key sits behind the mark byte; the mark is listed second so that the key is field 0.
int OffsetOf(const std::vector<FieldSpec>& fields, size_t index) {
    if (index == 1)
        return 0;
    int offset = 1;
    for (size_t i = 0; i < index; ++i)
        offset += i == 1 ? 0 : fields[i].width;
    return offset;
}

} // namespace

std::string DatabaseSpec::TemplateText(bool firstRelease) const {
    const size_t count = fields.size() - (firstRelease ? 1 : 0);
    std::string text = std::to_string(count) + "\r\n";
    for (size_t i = 0; i < count; ++i) {
        const FieldSpec& f = fields[i];
        text += f.code + "," + std::to_string(OffsetOf(fields, i)) + "," + std::to_string(f.width) + "," +
                std::string(1, f.type) + "," + f.comment + "\r\n";
    }
    return text;
}

const std::vector<DatabaseSpec>& DatabaseCatalog() {
    static const std::vector<DatabaseSpec> catalog = {Airport(), Comm(),     Ils(),      Navaid(),
                                                      Runway(),  AtsRoute(), Obstruct(), Waypoint()};
    return catalog;
}

const DatabaseSpec& FindDatabase(const std::string& base) {
    for (const DatabaseSpec& spec : DatabaseCatalog()) {
        if (spec.base == base)
            return spec;
    }
    throw std::logic_error("no database " + base);
}
