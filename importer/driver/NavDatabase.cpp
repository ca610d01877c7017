#include "driver/NavDatabase.h"

namespace {

using Kind = NavIndex::Kind;

NavIndex Field(std::string file, std::string code, std::string filter = {}, uint32_t mask = 0) {
    return {std::move(file), Kind::Field, std::move(code), {}, std::move(filter), mask};
}

NavIndex LatLon(std::string file, std::string lat, std::string lon, std::string filter = {},
                uint32_t mask = 0) {
    return {std::move(file), Kind::LatLon, std::move(lat), std::move(lon), std::move(filter), mask};
}

NavIndex Multi(std::string file, std::string first, std::string second) {
    return {std::move(file), Kind::Multi, std::move(first), std::move(second), {}, 0};
}

// The databases the importer merges into, one entry each: a data table, longer than a function's 50 lines.
std::vector<NavDatabase> MakeDatabases() {
    return {
        {"AIRPORT.DBD",
         "SYSTEM\\AIRPORT.POD",
         "AIRPORT.TMP",
         "Airport database",
         {"AIRPORT.DBD", "AIRPORT.DBT", "AIRPORT.DBI", "APRTCTRY.DBI", "APRTFAA.DBI", "APRTGLOB.DBI",
          "APRTNAME.DBI", "APRTSTAT.DBI", "APRTICAO.DBI"},
         "Rebuilding Airport index\n",
         {Field("AIRPORT.DBI", "akey"),
          Field("APRTCTRY.DBI", "actr"),
          Field("APRTFAA.DBI", "afaa"),
          Field("APRTNAME.DBI", "anam"),
          LatLon("APRTGLOB.DBI", "alat", "alon"),
          Multi("APRTSTAT.DBI", "actr", "asta"),
          {"APRTICAO.DBI", Kind::Aica, {}, {}, {}, 0}}},
        {"COMM.DBD",
         "SYSTEM\\COMM.POD",
         "COMM.TMP",
         "Communication database",
         {"COMM.DBD", "COMM.DBI", "COMM.DBT", "COMMGLOB.DBI"},
         "Rebuilding Comm index\n",
         {Field("COMM.DBI", "capt"), LatLon("COMMGLOB.DBI", "clat", "clon")}},
        {"ILS.DBD",
         "SYSTEM\\ILS.POD",
         "ILS.TMP",
         "ILS database",
         {"ILS.DBD", "ILS.DBT", "ILS.DBI", "ILSGLOB.DBI", "ILSLOCAL.DBI"},
         "Rebuilding ILS index\n",
         {Multi("ILS.DBI", "iapt", "irwy"), LatLon("ILSGLOB.DBI", "ilat", "ilon"),
          LatLon("ILSLOCAL.DBI", "ilat", "ilon", "ityp", 64)}},
        {"NAVAID.DBD",
         "SYSTEM\\NAVAID.POD",
         "NAVAID.TMP",
         "Navaid database",
         {"NAVAID.DBD", "NAVAID.DBT", "NAVAID.DBI", "NAVNDBID.DBI", "NAVNDBNM.DBI", "NAVVORID.DBI",
          "NAVVORNM.DBI"},
         "Rebuilding Navaid index\n",
         {LatLon("NAVAID.DBI", "nlat", "nlon"), Field("NAVNDBID.DBI", "naid", "ntyp", 8),
          Field("NAVNDBNM.DBI", "nnam", "ntyp", 8), Field("NAVVORID.DBI", "naid", "ntyp", 1),
          Field("NAVVORNM.DBI", "nnam", "ntyp", 1)}},
        {"RUNWAY.DBD",
         "SYSTEM\\RUNWAY.POD",
         "RUNWAY.TMP",
         "Runway database",
         {"RUNWAY.DBD", "RUNWAY.DBT", "RUNWAY.DBI"},
         "Rebuilding Runway index\n",
         {Field("RUNWAY.DBI", "rapt")}},
        {"ATSROUTE.DBD",
         "SYSTEM\\ATSROUTE.POD",
         "ATSROUTE.TMP",
         "Route database",
         {"ATSROUTE.DBD", "ATSROUTE.DBT"},
         {},
         {}},
        {"OBSTRUCT.DBD",
         "SYSTEM\\OBSTRUCT.POD",
         "OBSTRUCT.TMP",
         "Obstruction database",
         {"OBSTRUCT.DBD", "OBSTRUCT.DBT", "OBSTGLOB.DBI"},
         "Rebuilding Obstruction index\n",
         {LatLon("OBSTGLOB.DBI", "olat", "olon")}},
        {"WAYPOINT.DBD",
         "SYSTEM\\WAYPOINT.POD",
         "WAYPOINT.TMP",
         "Waypoint database",
         {"WAYPOINT.DBD", "WAYPOINT.DBT", "WAYPOINT.DBI", "WAYKEY.DBI", "WPTNAME.DBI"},
         "Rebuilding Waypoint index\n",
         {LatLon("WAYPOINT.DBI", "wlat", "wlon"), Field("WAYKEY.DBI", "wkey"), Field("WPTNAME.DBI", "wnam")}},
    };
}

} // namespace

const std::vector<NavDatabase>& NavDatabase::All() {
    static const std::vector<NavDatabase> databases = MakeDatabases();
    return databases;
}

const NavDatabase* NavDatabase::Find(const std::string& upperName) {
    for (const NavDatabase& database : All()) {
        if (database.table == upperName)
            return &database;
    }
    return nullptr;
}

std::string NavDatabase::BaseName() const {
    return table.substr(0, table.find('.') + 1);
}
