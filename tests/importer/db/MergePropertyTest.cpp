// The indexed merge against a plain scan in record order, on random tables with many equal keys.
#include "CapturedOutput.h"
#include "DbTestFiles.h"

#include "db/TriDb.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <utility>

namespace {

struct Layout {
    const char* templateText;
    char type;
    size_t keyWidth;
    size_t recordSize;
};

const Layout kText{"3\r\npkey,1,3,C,\r\npdel,0,1,C,\r\npval,4,2,C,\r\n", 'C', 3, 6};
const Layout kNumber{"3\r\npkey,1,4,I,\r\npdel,0,1,C,\r\npval,5,2,C,\r\n", 'I', 4, 7};

// The reference: a scan over the records in order, as simple as it gets.
class ScanModel {
public:
    explicit ScanModel(const Layout& layout) : layout_(layout) {}

    void Merge(const std::vector<Bytes>& dex) {
        for (const Bytes& r : dex) {
            const long found = Find(r);
            if (r[0] == '*') {
                output += (found >= 0 ? "Deleting record " + Text(r) + "\n"
                                      : "Record " + Text(r) + " already deleted.\n");
                if (found >= 0)
                    records.erase(records.begin() + found);
            } else if (found >= 0) {
                output += "Replacing record " + Text(records[static_cast<size_t>(found)]) + "\n";
                records[static_cast<size_t>(found)] = r;
            } else {
                output += "Adding record " + Text(r) + "\n";
                records.push_back(r);
            }
        }
    }

    std::vector<Bytes> records;
    std::string output;

private:
    long Find(const Bytes& probe) const {
        size_t length = layout_.keyWidth;
        if (layout_.type == 'C') {
            const void* zero = std::memchr(probe.data() + 1, 0, layout_.keyWidth);
            if (zero)
                length = static_cast<size_t>(static_cast<const uint8_t*>(zero) - (probe.data() + 1)) + 1;
        }
        for (size_t i = 0; i < records.size(); ++i) {
            if (std::memcmp(records[i].data() + 1, probe.data() + 1, length) == 0)
                return static_cast<long>(i);
        }
        return -1;
    }

    std::string Text(const Bytes& r) const {
        if (layout_.type == 'I') {
            int32_t value;
            std::memcpy(&value, r.data() + 1, 4);
            return std::to_string(value);
        }
        const auto* key = reinterpret_cast<const char*>(r.data() + 1);
        return std::string(key, strnlen(key, layout_.keyWidth));
    }

    const Layout& layout_;
};

Bytes RandomRecord(const Layout& layout, std::mt19937& random, bool mayDelete) {
    Bytes r(layout.recordSize, 0);
    r[0] = mayDelete && random() % 3 == 0 ? '*' : 0;
    if (layout.type == 'C') {
        // Short keys from a tiny alphabet, with junk behind the terminator now and then.
        for (size_t i = 0; i < layout.keyWidth; ++i)
            r[1 + i] = static_cast<uint8_t>("AB\0\0xy"[random() % 6]);
    } else {
        r[1] = static_cast<uint8_t>(random() % 6);
        r[2] = random() % 8 == 0 ? 1 : 0;
    }
    r[layout.recordSize - 1] = static_cast<uint8_t>('a' + random() % 26);
    return r;
}

std::vector<Bytes> RandomRecords(const Layout& layout, std::mt19937& random, bool mayDelete) {
    std::vector<Bytes> records(random() % 40);
    for (Bytes& r : records)
        r = RandomRecord(layout, random, mayDelete);
    return records;
}

std::vector<Bytes> RecordsOf(const TriDb& table, size_t size) {
    std::vector<Bytes> records;
    for (int i = 0; i < table.GetRecordCount(); ++i) {
        const uint8_t* data = table.GetRecord(i).GetData();
        records.emplace_back(data, data + size);
    }
    return records;
}

// The saved file loaded again; the table itself then views the file and must hold the same records.
std::vector<Bytes> SavedRecords(TriDb& table, const TempFlyFolder& folder, const std::string& name, size_t size) {
    table.Save(folder.Slashed() + "DATABASE\\" + name);
    FlyFile file;
    file.OpenDisk(folder.Slashed() + "DATABASE\\" + name);
    TriDb loaded;
    loaded.Load(file);
    table.ViewSaved(file);
    EXPECT_EQ(RecordsOf(table, size), RecordsOf(loaded, size));
    return RecordsOf(loaded, size);
}

// A merged table whose records are views into the mapped file, replaced, added and removed ones among
// them, saves the same records as a table built record by record.
void CheckSavedLikeBuilt(TriDb& merged, const TempFlyFolder& folder, const std::vector<Bytes>& expected, unsigned seed) {
    TriDb built;
    built.Create("BUILT.DBD", "PROP.DBD", merged.GetTemplate());
    for (const Bytes& r : expected)
        std::memcpy(built.AppendRecord().GetData(), r.data(), r.size());
    const size_t size = expected.empty() ? 0 : expected[0].size();
    const std::vector<Bytes> saved = SavedRecords(merged, folder, "MERGED.DBD", size);
    EXPECT_EQ(saved, SavedRecords(built, folder, "BUILT.DBD", size)) << "seed " << seed;
    EXPECT_EQ(saved, expected) << "seed " << seed;
}

void CheckAgainstScan(const Layout& layout, unsigned seed, const TempFlyFolder& folder) {
    std::mt19937 random(seed);
    ScanModel model(layout);
    model.records = RandomRecords(layout, random, false);
    const auto size = static_cast<int32_t>(layout.recordSize);
    const Bytes image = DbdImage("PROP.DBD", static_cast<int32_t>(model.records.size()), size, model.records);
    TriDb table;
    // Odd seeds: the records are views into the mapped files, as an import loads them; replaced and added
    // records then share the bytes of DEX files gone before the table.
    const bool view = seed % 2 == 1;
    FlyFile file = ImageOf(image, "DATABASE\\PROP.DBD");
    if (view) {
        folder.Write("DATABASE/PROP.DBD", std::string(image.begin(), image.end()));
        file.OpenDisk(folder.Slashed() + "DATABASE\\PROP.DBD");
    }
    table.Load(file, view);
    file.Reset();
    CapturedOutput output;
    // Several updates in a row, so that the key index also lives across merges.
    for (int round = 0; round < 3; ++round) {
        const std::vector<Bytes> update = RandomRecords(layout, random, true);
        const Bytes dexImage = DexImage("PROP.DBD", size, static_cast<int32_t>(update.size()), update);
        TriDb dex;
        FlyFile dexFile = ImageOf(dexImage, "PROP.DEX");
        if (view) {
            const std::string name = "PROP" + std::to_string(round) + ".DEX";
            folder.Write(name, std::string(dexImage.begin(), dexImage.end()));
            dexFile.OpenDisk(folder.Slashed() + name);
        }
        dex.Load(dexFile, view);
        dexFile.Reset();
        table.Merge(dex);
        model.Merge(update);
        ASSERT_EQ(table.GetRecordCount(), static_cast<int>(model.records.size())) << "seed " << seed;
        for (int i = 0; i < table.GetRecordCount(); ++i) {
            const uint8_t* data = std::as_const(table).GetRecord(i).GetData();
            ASSERT_EQ(Bytes(data, data + layout.recordSize), model.records[static_cast<size_t>(i)])
                << "seed " << seed;
        }
    }
    EXPECT_EQ(output.text, model.output) << "seed " << seed;
    CheckSavedLikeBuilt(table, folder, model.records, seed);
}

TEST(MergeProperty, TextKeysMergeLikeAScan) {
    TempFlyFolder folder;
    folder.Write("DATABASE/PROP.DBT", kText.templateText);
    folder.Write("DATABASE/MERGED.DBT", kText.templateText);
    folder.Write("DATABASE/BUILT.DBT", kText.templateText);
    for (unsigned seed = 1; seed <= 150; ++seed)
        CheckAgainstScan(kText, seed, folder);
}

TEST(MergeProperty, NumberKeysMergeLikeAScan) {
    TempFlyFolder folder;
    folder.Write("DATABASE/PROP.DBT", kNumber.templateText);
    folder.Write("DATABASE/MERGED.DBT", kNumber.templateText);
    folder.Write("DATABASE/BUILT.DBT", kNumber.templateText);
    for (unsigned seed = 1; seed <= 150; ++seed)
        CheckAgainstScan(kNumber, seed, folder);
}

} // namespace
