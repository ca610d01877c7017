// Streaming holds an archive to its table: damaged data, a size that lies, an archive changed since its
// table was read fail naming the archive, the entry and why; entries not wanted are skipped.
#include "ArchiveFixtures.h"
#include "StreamedFiles.h"
#include "archive/ArchiveReader.h"
#include "archive/Crc32.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

namespace {

// bytes with the first byte of the data "hello" flipped (to "iello").
QByteArray Flipped(QByteArray bytes) {
    const qsizetype at = bytes.indexOf("hello");
    EXPECT_GE(at, 0);
    bytes[at] = 'i';
    return bytes;
}

const QString WrongCrc =
    "MyScenery/a.txt : somme de contrôle CRC-32 fausse (3610a686 attendue, 0b708f36 trouvée)";

struct StreamCase final {
    const char* label;
    std::function<QByteArray()> bytes;
    QString reason;
};

void PrintTo(const StreamCase& stream, std::ostream* out) {
    *out << stream.label;
}

const StreamCase Cases[] = {
    {"StoredZipEntryDamaged",
     [] { return Flipped(ZipArchive({{.name = "MyScenery/a.txt", .data = "hello"}})); }, WrongCrc},
    {"StoredRar4EntryDamaged",
     [] { return Rar4Archive({{.name = "MyScenery/a.txt", .data = "iello", .crcOf = "hello"}}); }, WrongCrc},
    {"StoredRar5EntryDamaged",
     [] { return Rar5Archive({{.name = "MyScenery/a.txt", .data = "iello", .crcOf = "hello"}}); }, WrongCrc},
    {"Stored7zEntryDamaged",
     [] { return Flipped(WrittenArchive("7z-stored", {File("MyScenery/a.txt", "hello")})); },
     "MyScenery/a.txt : archive endommagée (7-Zip bad CRC: 0xb708f36 should be 0x3610a686)"},
    {"RarSizeLies", [] { return Rar4Archive({{.name = "MyScenery/a.txt", .data = "hello", .size = 4}}); },
     "MyScenery/a.txt : plus d'octets que les 4 annoncés"},
    {"ZipSizeLies", [] { return ZipArchive({{.name = "MyScenery/a.txt", .data = "hello", .size = 4}}); },
     "MyScenery/a.txt : archive endommagée (ZIP uncompressed data is wrong size (read 5, expected 4))"},
};

class ArchiveStream : public ::testing::TestWithParam<StreamCase> {};

TEST_P(ArchiveStream, StreamingFailsNamingTheEntryAndWhy) {
    const QTemporaryDir folder;
    const QString path = FixtureFile(folder.path(), "addon.bin", GetParam().bytes());
    const Result<ArchiveTable> table = ReadArchiveTable(path);
    ASSERT_TRUE(table) << table.failure().reason.toStdString();
    const Result<QMap<QString, QByteArray>> streamed = StreamedFiles(*table);
    ASSERT_FALSE(streamed);
    EXPECT_EQ(streamed.failure().path, path);
    EXPECT_EQ(streamed.failure().reason.toStdString(), GetParam().reason.toStdString());
}

INSTANTIATE_TEST_SUITE_P(Damage, ArchiveStream, ::testing::ValuesIn(Cases),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(ArchiveStreaming, ArchiveChangedSinceItsTableWasReadIsRefused) {
    const QTemporaryDir folder;
    const QString path =
        FixtureFile(folder.path(), "addon.zip", ZipArchive({{.name = "a.txt", .data = "hello"}}));
    const Result<ArchiveTable> table = ReadArchiveTable(path);
    ASSERT_TRUE(table);
    FixtureFile(folder.path(), "addon.zip", ZipArchive({{.name = "b.txt", .data = "hello"}}));
    ArchiveReader reader(*table);
    const Result<const ArchiveEntry*> entry = reader.Next();
    ASSERT_FALSE(entry);
    EXPECT_EQ(entry.failure().reason.toStdString(), "l'archive a changé depuis la lecture de sa table");
}

// A solid 7z archive: the entries before the one wanted are unpacked to skip them, never kept.
TEST(ArchiveStreaming, EntriesNotReadAreSkipped) {
    const QTemporaryDir folder;
    const QString path = FixtureFile(
        folder.path(), "addon.7z",
        WrittenArchive("7z", {File("a", QByteArray(100000, 'a')), File("b", "bee"), File("c", "sea")}));
    const Result<ArchiveTable> table = ReadArchiveTable(path);
    ASSERT_TRUE(table);
    ArchiveReader reader(*table);
    QStringList names;
    QByteArray b;
    for (Result<const ArchiveEntry*> entry = reader.Next(); entry && *entry; entry = reader.Next()) {
        names += (*entry)->name;
        char chunk[16];
        for (Result<qint64> read = reader.Read(chunk, sizeof chunk);
             (*entry)->name == "b" && read && *read > 0; read = reader.Read(chunk, sizeof chunk))
            b.append(chunk, *read);
    }
    EXPECT_EQ(names, QStringList({"a", "b", "c"}));
    EXPECT_EQ(b, "bee");
    const Result<const ArchiveEntry*> after = reader.Next();
    ASSERT_TRUE(after);
    EXPECT_EQ(*after, nullptr);
}

} // namespace

// The checksum of the formats, eight bytes at a time: the standard check value, and the same sum whatever
// the pieces and their alignment.
TEST(Crc32, GivesTheStandardValueInPiecesOfAnySize) {
    EXPECT_EQ(Crc32(0, "123456789"), 0xcbf43926u);
    QByteArray bytes;
    for (int i = 0; i < 1000; ++i)
        bytes += char(i * 7 + i / 13);
    const quint32 whole = Crc32(0, bytes);
    for (const qsizetype cut : {1, 7, 8, 9, 500, 999}) {
        const QByteArrayView view(bytes);
        EXPECT_EQ(Crc32(Crc32(0, view.first(cut)), view.sliced(cut)), whole) << cut;
    }
}
