#include "CapturedOutput.h"
#include "DbTestFiles.h"

#include "base/ZorException.h"
#include "db/DbClock.h"
#include "db/IndexGenAica.h"
#include "db/IndexGenField.h"
#include "db/IndexGenLatLon.h"
#include "db/IndexGenMulti.h"
#include "db/LatitudeBands.h"
#include "db/TriDb.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

// key (6), ICAO (5), FAA (4), type (4), flags (1), country (5), state (3), lat, lon: 44 bytes.
const char* const kTemplate =
    "9\nxkey,0,6,C,\naica,6,5,C,\nafaa,11,4,C,\nxtyp,15,4,I,\nxflg,19,1,C,\nactr,20,5,C,\nasta,25,3,C,\n"
    "xlat,28,8,D,\nxlon,36,8,D,\n";

struct Row {
    std::string key;
    std::string icao = "";
    std::string faa = "";
    int32_t type = 0;
    uint8_t flags = 0;
    std::string country = "";
    std::string state = "";
    double lat = 0;
    double lon = 0;
};

Bytes RowBytes(const Row& r) {
    return Concat({TextBytes(r.key, 6),
                   TextBytes(r.icao, 5),
                   TextBytes(r.faa, 4),
                   Int32Bytes(r.type),
                   {r.flags},
                   TextBytes(r.country, 5),
                   TextBytes(r.state, 3),
                   DoubleBytes(r.lat * 3600),
                   DoubleBytes(r.lon * 3600)});
}

struct Entry {
    std::string key;
    uint32_t position;
    bool operator==(const Entry&) const = default;
};

void PrintTo(const Entry& e, std::ostream* out) {
    *out << '"' << e.key.c_str() << "\"/" << e.key.size() << "@" << e.position;
}

// The text followed by zero bytes up to width.
std::string Padded(const std::string& text, size_t width) {
    return text + std::string(width - text.size(), '\0');
}

class Index : public ::testing::Test {
protected:
    Index() {
        folder.Write("DATABASE/TEST.DBT", kTemplate);
        DbClock::Fix(0x11223344);
    }
    ~Index() override { DbClock::Release(); }

    void Load(const std::vector<Row>& rows) {
        std::vector<Bytes> records;
        for (const Row& row : rows)
            records.push_back(RowBytes(row));
        image = DbdImage("TEST.DBD", static_cast<int32_t>(rows.size()), 44, records);
        table.Load(ImageOf(image, "DATABASE\\TEST.DBD"));
    }

    // Writes the index and reads its entries back, checking the header on the way.
    std::vector<Entry> Build(const IndexGen& generator,
                             const std::optional<std::string>& filter = std::nullopt, uint32_t mask = 0) {
        table.CreateIndex("TEST.DBI", generator, filter, mask);
        const Bytes file = ReadBytes(folder.Path() / "DATABASE/TEST.DBI");
        const uint32_t width = Le32(file, 64);
        EXPECT_EQ(width, static_cast<uint32_t>(generator.GetKeyWidth()));
        EXPECT_EQ(Le32(file, 20), width + 4);
        EXPECT_EQ(file.size(), 68 + Le32(file, 16) * (width + 4));
        std::vector<Entry> entries;
        for (size_t at = 68; at + width + 4 <= file.size(); at += width + 4) {
            const std::string key(file.begin() + static_cast<long>(at),
                                  file.begin() + static_cast<long>(at + width));
            entries.push_back({key, Le32(file, at + width)});
        }
        return entries;
    }

    static uint32_t At(int record) { return 56 + 44 * static_cast<uint32_t>(record); }

    TempFlyFolder folder;
    Bytes image;
    TriDb table;
};

TEST_F(Index, EmptyTableGivesTheBareHeader) {
    Load({});
    CapturedOutput output;
    EXPECT_TRUE(Build(IndexGenField(table, "xkey")).empty());
    EXPECT_EQ(output.text, "Creating index file " + Shown(folder.Slashed() + "DATABASE/TEST.DBI") + "\n");
    const Bytes file = ReadBytes(folder.Path() / "DATABASE/TEST.DBI");
    Bytes expected = Concat({TextBytes("indx", 4),
                             Int32Bytes(0),
                             Int32Bytes(1),
                             Int32Bytes(0x11223344),
                             Int32Bytes(0),
                             Int32Bytes(10),
                             Bytes(32, 0),
                             TextBytes("xkey", 4),
                             {0, 'C', 0, 0},
                             Int32Bytes(6)});
    EXPECT_EQ(file, expected);
}

TEST_F(Index, FieldKeysArePaddedOrCutAndEqualKeysPutTheLaterRecordFirst) {
    Load({{"B"}, {"A", "", "", 1234567}, {"B", "", "", 7}, {"CCCCCC", "", "", -5}});
    EXPECT_EQ(
        Build(IndexGenField(table, "xkey")),
        (std::vector<Entry>{
            {Padded("A", 6), At(1)}, {Padded("B", 6), At(2)}, {Padded("B", 6), At(0)}, {"CCCCCC", At(3)}}));
    EXPECT_EQ(
        Build(IndexGenField(table, "xtyp")),
        (std::vector<Entry>{
            {Padded("-5", 4), At(3)}, {Padded("0", 4), At(0)}, {"1234", At(1)}, {Padded("7", 4), At(2)}}));
}

TEST_F(Index, FiltersKeepRecordsWithAMaskBitSet) {
    Load({{"K1", "", "", 9, 0x01}, {"K2", "", "", 1, 0x02}, {"K3", "", "", 8, 0x03}});
    const auto keys = [](const std::vector<Entry>& entries) {
        std::vector<uint32_t> positions;
        for (const Entry& e : entries)
            positions.push_back(e.position);
        return positions;
    };
    EXPECT_EQ(keys(Build(IndexGenField(table, "xkey"), "xtyp", 8)), (std::vector<uint32_t>{At(0), At(2)}));
    EXPECT_EQ(keys(Build(IndexGenField(table, "xkey"), "xflg", 0x102)),
              (std::vector<uint32_t>{At(1), At(2)}));
    EXPECT_EQ(keys(Build(IndexGenField(table, "xkey"), "xlat", 0)),
              (std::vector<uint32_t>{At(0), At(1), At(2)}));
    EXPECT_THROW(Build(IndexGenField(table, "xkey"), "nope", 1), ZorException);
}

TEST_F(Index, RecordsWithoutAnyKeyTextAreLeftOut) {
    Load({{"K1"}, {""}, {"K3"}});
    EXPECT_EQ(Build(IndexGen("none", 2)), (std::vector<Entry>{{"K1", At(0)}, {"K3", At(2)}}));
}

TEST_F(Index, AicaFallsBackToTheFaaIdentForTwoLetterCodes) {
    Load({{"K1", "E", "F1"}, {"K2", "EG", "EGL"}, {"K3", "EGL", "X"}});
    const IndexGenAica generator(table);
    EXPECT_EQ(generator.GetName(), "aica");
    EXPECT_EQ(generator.GetKeyWidth(), 5);
    std::vector<std::string> keys;
    for (int i = 0; i < 3; ++i)
        keys.push_back(generator.MakeKey(table.GetRecord(i)));
    EXPECT_EQ(keys, (std::vector<std::string>{"E", "EGL", "EGL"}));
}

TEST_F(Index, MultiJoinsTheTextsWithoutPadding) {
    Load({{"K1", "", "", 0, 0, "US", "WA"}, {"K2", "", "", 0, 0, "CANAD", "ONT"}});
    const IndexGenMulti generator(table, "actr", "asta");
    EXPECT_EQ(generator.GetName(), "actr");
    EXPECT_EQ(generator.GetKeyWidth(), 8);
    EXPECT_EQ(Build(generator), (std::vector<Entry>{{"CANADONT", At(1)}, {Padded("USWA", 8), At(0)}}));
    EXPECT_THROW(IndexGenMulti(table, "actr", "zzzz"), ZorException);
}

TEST(LatLonCells, ExamplesEquatorAndLastBands) {
    const auto cell = IndexGenLatLon::CellText;
    EXPECT_EQ(cell(0, 0), "000127");
    EXPECT_EQ(cell(45, -122.5), "-87163");
    EXPECT_EQ(cell(-33.9, 151.2), "107102");
    EXPECT_EQ(cell(89, 179.9), "127254");
    EXPECT_EQ(cell(-89, -180), "-128001");
    EXPECT_EQ(cell(51.5, -0.1), "000170");
    EXPECT_EQ(cell(0, -5), "-03127");
    EXPECT_EQ(cell(1e-9, 0), "000128");
    const double lastEdge = LatitudeBands::Edges()[126] * 180 / (2 * std::acos(0.0));
    EXPECT_EQ(cell(lastEdge + 1e-6, 10), "007254");
    EXPECT_EQ(cell(-lastEdge - 1e-6, 10), "007001");
    EXPECT_EQ(cell(lastEdge - 1e-6, 10), "007253");
}

// On an edge is in the band above it, just below an edge in the band below.
TEST(LatLonCells, EachEdgeStartsTheBandAboveIt) {
    const auto& t = LatitudeBands::Edges();
    for (int k = 1; k <= 126; ++k) {
        EXPECT_EQ(LatitudeBands::BandOf(t[static_cast<size_t>(k)]), k + 1) << k;
        EXPECT_EQ(LatitudeBands::BandOf(std::nextafter(t[static_cast<size_t>(k)], 0.0)), k) << k;
    }
    EXPECT_EQ(LatitudeBands::BandOf(std::acos(0.0)), 127); // the pole
}

TEST(LatLonCells, BandTableValues) {
    const auto& t = LatitudeBands::Edges();
    EXPECT_EQ(t[0], 0.0);
    EXPECT_NEAR(t[1], 0.0245437, 5e-8);
    EXPECT_NEAR(t[32], 0.7178365, 5e-8);
    EXPECT_NEAR(t[36], 0.7899710, 5e-8);
    EXPECT_NEAR(t[64], 1.1653970, 5e-8);
    EXPECT_NEAR(t[126], 1.4827504, 5e-8);
    EXPECT_NEAR(t[127], 1.4849086, 5e-8);
}

TEST_F(Index, LatLonKeysComeFromArcSecondsAndNeedDoubleFields) {
    Load({{"K1", "", "", 0, 0, "", "", 45, -122.5}, {"K2", "", "", 0, 0, "", "", 0, 0}});
    const IndexGenLatLon generator(table, "xlat", "xlon");
    EXPECT_EQ(generator.GetName(), "ltln");
    EXPECT_EQ(Build(generator),
              (std::vector<Entry>{{Padded("-87163", 7), At(0)}, {Padded("000127", 7), At(1)}}));
    try {
        IndexGenLatLon(table, "xlat", "xtyp").MakeKey(table.GetRecord(0));
        FAIL();
    } catch (const ZorException& e) {
        EXPECT_EQ(e.file, "IndexGen");
        EXPECT_EQ(e.line, 101);
        EXPECT_EQ(e.code, 0x20009u);
        EXPECT_EQ(e.message, "xtyp is not a valid latitude");
    }
    EXPECT_THROW(IndexGenLatLon(table, "xkey", "xlon").MakeKey(table.GetRecord(0)), ZorException);
}

// NaN, infinities and longitudes whose cell needs four digits reached an undefined cast to int and wrote
// keys like -214748. Rows: latitude, longitude (degrees); the first two fit.
TEST_F(Index, PositionsNoCellKeyCanHoldAreRefused) {
    const double nan = std::nan("");
    const double inf = HUGE_VAL;
    const std::vector<std::pair<double, double>> positions = {{89.9, 1406}, {-1000, -1406}, {nan, 0},
                                                              {0, nan},     {inf, 0},       {0, -inf},
                                                              {0, 1407},    {0, -1407},     {0, 1e300}};
    for (size_t i = 0; i < positions.size(); ++i) {
        SCOPED_TRACE(i);
        Load({{"K1", "", "", 0, 0, "", "", positions[i].first, positions[i].second}});
        const IndexGenLatLon generator(table, "xlat", "xlon");
        if (i < 2) {
            EXPECT_NO_THROW(generator.ValidateRecord(table.GetRecord(0)));
            continue;
        }
        for (const auto& check : std::vector<std::function<void()>>{
                 [&] { generator.ValidateRecord(table.GetRecord(0)); },
                 [&] { generator.MakeKey(table.GetRecord(0)); }}) {
            const ZorException e = FailureOf(check);
            EXPECT_EQ(e.code, 0x2000Du);
            EXPECT_TRUE(e.message.starts_with("Record K1: no index key can hold the position xlat = ")) << e.message;
        }
    }
    // A field of another type is MakeKey's own error, left to it.
    EXPECT_NO_THROW(IndexGenLatLon(table, "xlat", "xtyp").ValidateRecord(table.GetRecord(0)));
    EXPECT_NO_THROW(IndexGenLatLon(table, "xlat", "none").ValidateRecord(table.GetRecord(0)));
}

TEST_F(Index, DexTablesCannotBeIndexed) {
    const Bytes dexImage = DexImage("TEST.DBD", 44, 0, {});
    TriDb dex;
    dex.Load(ImageOf(dexImage, "NEW.DEX"));
    CapturedOutput output;
    try {
        dex.CreateIndex("TEST.DBI", IndexGen("x", 1), std::nullopt, 0);
        FAIL();
    } catch (const ZorException& e) {
        EXPECT_EQ(e.line, 436);
        EXPECT_EQ(e.code, 0x20006u);
        EXPECT_EQ(e.message, "Can't sort a DEX");
    }
    EXPECT_EQ(output.text, "Creating index file " + Shown(folder.Slashed() + "DATABASE/TEST.DBI") + "\n");
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "DATABASE/TEST.DBI"));
}

} // namespace
