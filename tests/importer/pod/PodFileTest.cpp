#include "CapturedOutput.h"
#include "ImporterTestFiles.h"

#include "base/ZorException.h"
#include "pod/PodFile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <functional>
#include <random>

namespace {

const std::string kAirport = "DATABASE\\AIRPORT.DBD";
const std::string kIls = "DATABASE\\ILS.DBT";

// Two entries, AIRPORT.DBD ("airport-data", 12 bytes) and ILS.DBT ("ils"), laid out by hand:
// header 96, directory 96..136, names 136..174, data 174..189.
Bytes HandBuiltPod2() {
    Bytes bytes(189, 0);
    PutText(bytes, 0, "POD2");
    PutText(bytes, 8, "hand made");
    Put32(bytes, 88, 2);
    Put32(bytes, 96, 0);
    Put32(bytes, 100, 12);
    Put32(bytes, 104, 174);
    Put32(bytes, 108, 0x40000000);
    Put32(bytes, 116, 21);
    Put32(bytes, 120, 3);
    Put32(bytes, 124, 186);
    Put32(bytes, 128, 0x40000001);
    PutText(bytes, 136, kAirport);
    PutText(bytes, 157, kIls);
    PutText(bytes, 174, "airport-data");
    PutText(bytes, 186, "ils");
    return bytes;
}

// The same entries in version 3: header 288, data 288..303, directory 303..343, names 343..381.
Bytes HandBuiltPod3() {
    Bytes bytes(381, 0);
    PutText(bytes, 0, "POD3");
    Put32(bytes, 88, 2);
    Put32(bytes, 264, 303);
    Put32(bytes, 272, 38);
    PutText(bytes, 288, "airport-data");
    PutText(bytes, 300, "ils");
    Put32(bytes, 303, 0);
    Put32(bytes, 307, 12);
    Put32(bytes, 311, 288);
    Put32(bytes, 315, 0x40000000);
    Put32(bytes, 323, 21);
    Put32(bytes, 327, 3);
    Put32(bytes, 331, 300);
    Put32(bytes, 335, 0x40000001);
    PutText(bytes, 343, kAirport);
    PutText(bytes, 364, kIls);
    return bytes;
}

std::string Text(const PodEntryRef& entry) {
    return std::string(reinterpret_cast<const char*>(entry.Data()), entry.Size());
}

void ExpectClosed(const PodFile& pod) {
    EXPECT_EQ(pod.GetVersion(), 0u);
    EXPECT_EQ(pod.GetEntryCount(), 0);
    EXPECT_TRUE(pod.Find(kAirport).IsNull());
}

} // namespace

TEST(PodFileRead, HandBuiltArchivesOfBothVersions) {
    TempFolder folder;
    const std::vector<std::pair<uint32_t, Bytes>> archives = {{2, HandBuiltPod2()}, {3, HandBuiltPod3()}};
    for (const auto& [version, bytes] : archives) {
        SCOPED_TRACE(version);
        const auto path = folder.Path() / ("V" + std::to_string(version) + ".POD");
        WriteBytes(path, bytes);
        PodFile pod;
        pod.Open(path.string());
        EXPECT_EQ(pod.GetVersion(), version);
        ASSERT_EQ(pod.GetEntryCount(), 2);
        const PodEntryRef first = pod.GetEntry(0);
        EXPECT_STREQ(first.name, kAirport.c_str());
        EXPECT_EQ(Text(first), "airport-data");
        EXPECT_EQ(first.Time(), 0x40000000u);
        const PodEntryRef ils = pod.Find("database\\ils.dbt");
        ASSERT_FALSE(ils.IsNull());
        EXPECT_STREQ(ils.name, kIls.c_str());
        EXPECT_EQ(Text(ils), "ils");
        EXPECT_EQ(ils.Time(), 0x40000001u);
        EXPECT_TRUE(pod.Find("DATABASE\\ILS").IsNull());
        EXPECT_TRUE(pod.Find("DATABASE\\ILS.DBT2").IsNull());
        pod.Close();
        ExpectClosed(pod);
    }
}

TEST(PodFileRead, OutOfRangeIndexPrintsAndGivesNullReference) {
    TempFolder folder;
    WriteBytes(folder.Path() / "A.POD", HandBuiltPod3());
    PodFile pod;
    pod.Open((folder.Path() / "A.POD").string());
    const CapturedOutput printed;
    const PodEntryRef before = pod.GetEntry(-1);
    const PodEntryRef after = pod.GetEntry(2);
    EXPECT_EQ(printed.text, "Invalid index\nInvalid index\n");
    for (const PodEntryRef& entry : {before, after}) {
        EXPECT_EQ(entry.entry, nullptr);
        EXPECT_EQ(entry.name, nullptr);
        EXPECT_EQ(entry.archive, nullptr);
    }
}

TEST(PodFileRead, OtherSignaturesRefusedAndArchiveLeftClosed) {
    TempFolder folder;
    WriteBytes(folder.Path() / "GOOD.POD", HandBuiltPod2());
    Bytes lowerCase = HandBuiltPod2();
    PutText(lowerCase, 0, "pod2");
    const std::vector<std::pair<std::string, Bytes>> files = {
        {"LOWER.POD", lowerCase}, {"SHORT.POD", BytesOf("PO")}, {"TEXT.POD", BytesOf("[Fly]\r\nkey=1\r\n")}};
    for (const auto& [name, bytes] : files) {
        SCOPED_TRACE(name);
        WriteBytes(folder.Path() / name, bytes);
        PodFile pod;
        pod.Open((folder.Path() / "GOOD.POD").string());
        try {
            pod.Open((folder.Path() / name).string());
            ADD_FAILURE() << "no exception";
        } catch (const ZorException& e) {
            EXPECT_EQ(e.code, 0x10002u);
            EXPECT_EQ(e.file, "PodFile");
            EXPECT_EQ(e.message, "Invalid signature (not a POD?)\n");
        }
        ExpectClosed(pod);
    }
}

TEST(PodFileRead, MissingArchiveRaisesWithTheSystemError) {
    TempFolder folder;
    const std::string path = (folder.Path() / "NONE.POD").string();
    PodFile pod;
    try {
        pod.Open(path);
        FAIL() << "no exception";
    } catch (const ZorException& e) {
        EXPECT_EQ(e.code, static_cast<uint32_t>(ENOENT));
        EXPECT_EQ(e.file, "MappedFile");
        EXPECT_EQ(e.message, "Unable to open " + path);
    }
    ExpectClosed(pod);
}

// Every count, offset and size is checked at Open; a damaged archive is refused, never read past its end.
TEST(PodFileDamage, RefusedWithFileAndOffsetNamed) {
    struct Damage {
        std::string what;
        std::function<Bytes()> make;
        uint32_t code;
        std::string offset; // expected in the message
    };
    const std::vector<Damage> damages = {
        {"header cut short",
         [] {
             Bytes b = HandBuiltPod3();
             b.resize(200);
             return b;
         },
         0x10003, "200"},
        {"entry count past the end",
         [] {
             Bytes b = HandBuiltPod2();
             Put32(b, 88, 0x10000000);
             return b;
         },
         0x10004, "96"},
        {"directory offset past the end",
         [] {
             Bytes b = HandBuiltPod3();
             Put32(b, 264, 0xFFFFFFF0);
             return b;
         },
         0x10004, "4294967280"},
        {"name table without its last zero",
         [] {
             Bytes b = HandBuiltPod3();
             b.pop_back();
             return b;
         },
         0x10005, "343"},
        {"name offset past the end",
         [] {
             Bytes b = HandBuiltPod3();
             Put32(b, 323, 1000);
             return b;
         },
         0x10006, "1343"},
        {"data past the end",
         [] {
             Bytes b = HandBuiltPod2();
             Put32(b, 104, 180);
             return b;
         },
         0x10007, "180"},
        {"data offset and size wrapping around 4 GiB",
         [] {
             Bytes b = HandBuiltPod3();
             Put32(b, 331, 0xFFFFFFF8);
             Put32(b, 327, 0x10);
             return b;
         },
         0x10007, "4294967288"},
    };
    TempFolder folder;
    WriteBytes(folder.Path() / "GOOD.POD", HandBuiltPod3());
    for (const Damage& damage : damages) {
        SCOPED_TRACE(damage.what);
        const std::string path = (folder.Path() / "DAMAGED.POD").string();
        WriteBytes(path, damage.make());
        PodFile pod;
        pod.Open((folder.Path() / "GOOD.POD").string());
        try {
            pod.Open(path);
            ADD_FAILURE() << "no exception";
        } catch (const ZorException& e) {
            EXPECT_EQ(e.code, damage.code);
            EXPECT_EQ(e.file, "PodFile");
            EXPECT_NE(e.message.find(path), std::string::npos) << e.message;
            EXPECT_NE(e.message.find(damage.offset), std::string::npos) << e.message;
        }
        ExpectClosed(pod);
    }
}

// Whatever Open accepts, every name and every data block it hands out lies inside the file; an image in
// memory is accepted or refused exactly as the same bytes on disk.
TEST(PodFileDamage, RandomlyCorruptedArchivesNeverPointPastTheEnd) {
    TempFolder folder;
    const std::string path = (folder.Path() / "FUZZ.POD").string();
    std::mt19937 random(7);
    int accepted = 0;
    for (int round = 0; round < 1000; ++round) {
        Bytes bytes = round % 2 == 0 ? HandBuiltPod2() : HandBuiltPod3();
        for (int n = 1 + static_cast<int>(random() % 3); n > 0; --n)
            bytes[random() % bytes.size()] = static_cast<uint8_t>(random());
        if (random() % 4 == 0)
            bytes.resize(4 + random() % (bytes.size() - 4));
        WriteBytes(path, bytes);
        PodFile pod;
        PodFile inMemory;
        const auto codeOf = [](const std::function<void()>& open) {
            try {
                open();
            } catch (const ZorException& e) {
                return e.code;
            }
            return 0u;
        };
        const uint32_t code = codeOf([&] { pod.Open(path); });
        ASSERT_EQ(codeOf([&] { inMemory.Open(bytes, path); }), code) << round;
        if (code != 0) {
            ASSERT_TRUE(code == 0x10002 || (code >= 0x10003 && code <= 0x10007)) << code;
            continue;
        }
        ++accepted;
        ASSERT_EQ(inMemory.GetEntryCount(), pod.GetEntryCount());
        for (int i = 0; i < pod.GetEntryCount(); ++i) {
            const PodEntryRef entry = pod.GetEntry(i);
            const auto nameAt =
                static_cast<size_t>(reinterpret_cast<const uint8_t*>(entry.name) - entry.archive);
            ASSERT_LT(nameAt + std::strlen(entry.name), bytes.size()) << round;
            ASSERT_LE(uint64_t{entry.DataOffset()} + entry.Size(), bytes.size()) << round;
            pod.Find(entry.name); // walks the whole name table when the name offset is damaged
        }
        EXPECT_TRUE(pod.Find("NOT\\THERE").IsNull());
    }
    EXPECT_GT(accepted, 30);
}
