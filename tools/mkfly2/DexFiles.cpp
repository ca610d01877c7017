#include "DexFiles.h"

#include "DatabaseCatalog.h"
#include "RecordMaker.h"
#include "TemplateFiles.h"

#include "db/TriDb.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace {

// Distinct existing record numbers, at most count (fewer when the table is smaller).
std::vector<uint32_t> Pick(uint32_t records, size_t count, std::mt19937_64& random) {
    std::vector<uint32_t> picked;
    while (picked.size() < std::min<size_t>(count, records)) {
        const auto n = static_cast<uint32_t>(random() % records);
        if (std::find(picked.begin(), picked.end(), n) == picked.end())
            picked.push_back(n);
    }
    return picked;
}

class DexBuilder final {
public:
    DexBuilder(const DatabaseSpec& spec, bool firstRelease, const std::string& databaseName) {
        dex_.Create("UPDATE.DEX", databaseName, LoadTemplate(spec, firstRelease));
        maker_.emplace(spec, dex_.GetTemplate());
    }
    DexBuilder(const DatabaseSpec& spec, bool firstRelease = false)
        : DexBuilder(spec, firstRelease, spec.TableFile()) {}

    TriDbRecord Put(uint32_t n, std::mt19937_64& random) {
        TriDbRecord record = dex_.AppendRecord();
        maker_->Fill(record, n, random);
        return record;
    }
    void Delete(uint32_t n, std::mt19937_64& random) { Put(n, random).GetData()[0] = '*'; }
    void Save(const std::string& fly, const std::string& file) { dex_.Save(fly + "dex\\" + file); }

private:
    TriDb dex_;
    std::optional<RecordMaker> maker_;
};

void WriteMixed(const std::string& fly, const DatabaseSpec& spec, uint32_t records, std::mt19937_64& random) {
    const std::vector<uint32_t> picked = Pick(records, 4, random);
    DexBuilder dex(spec);
    for (size_t i = 0; i < picked.size() && i < 2; ++i)
        dex.Put(picked[i], random);
    dex.Put(records, random);
    dex.Put(records + 1, random);
    dex.Put(records, random);
    for (size_t i = 2; i < picked.size(); ++i)
        dex.Delete(picked[i], random);
    dex.Delete(records + 1000, random);
    dex.Save(fly, spec.base + ".DEX");
}

void WriteSingleKinds(const std::string& fly, uint32_t records, std::mt19937_64& random) {
    DexBuilder additions(FindDatabase("AIRPORT"));
    for (uint32_t j = 0; j < 3; ++j)
        additions.Put(records + 10 + j, random);
    additions.Save(fly, "ADD_AIRPORT.DEX");

    DexBuilder replacements(FindDatabase("NAVAID"));
    for (const uint32_t n : Pick(records, 3, random))
        replacements.Put(n, random);
    replacements.Save(fly, "REPLACE_NAVAID.DEX");

    DexBuilder deletions(FindDatabase("WAYPOINT"));
    for (const uint32_t n : Pick(records, 2, random))
        deletions.Delete(n, random);
    deletions.Delete(records + 1000, random);
    deletions.Save(fly, "DELETE_WAYPOINT.DEX");

    DexBuilder old(FindDatabase("NAVAID"), true);
    for (const uint32_t n : Pick(records, 2, random))
        old.Put(n, random);
    old.Put(records + 20, random);
    old.Save(fly, "OLD_NAVAID.DEX");

    DexBuilder unsafe(FindDatabase("AIRPORT"), false, "..\\SYSTEM\\AIRPORT.DBD");
    unsafe.Put(records + 30, random);
    unsafe.Save(fly, "UNSAFE_NAME.DEX");
}

void WriteRunwayMismatch(const std::string& fly, uint32_t records, std::mt19937_64& random) {
    const DatabaseSpec& spec = FindDatabase("RUNWAY");
    DexBuilder dex(spec);
    uint32_t newKey = records + 5000;
    for (const uint32_t n : Pick(records, 3, random))
        dex.Put(n, random).SetFieldText("rkey", spec.fields[0].text + std::to_string(++newKey));
    dex.Put(records + 2, random);
    dex.Save(fly, "RUNWAY_MISMATCH.DEX");
}

} // namespace

void WriteDexFiles(const std::string& fly, uint32_t records, std::mt19937_64& random) {
    for (const DatabaseSpec& spec : DatabaseCatalog())
        WriteMixed(fly, spec, records, random);
    WriteSingleKinds(fly, records, random);
    WriteRunwayMismatch(fly, records, random);
}
