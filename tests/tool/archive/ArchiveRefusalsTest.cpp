// Hostile and damaged archives are refused when their table is read, before anything is unpacked: the
// failure names the archive and says which entry and why.
#include "ArchiveFixtures.h"
#include "archive/ArchiveTable.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

namespace {

using Kind = FixtureEntry::Kind;

struct RefusalCase final {
    const char* label;
    std::function<QByteArray()> bytes;
    QString reason; // word for word
    ArchiveLimits limits = {};
};

void PrintTo(const RefusalCase& refusal, std::ostream* out) {
    *out << refusal.label;
}

QByteArray Tar(const QList<FixtureEntry>& entries) {
    return WrittenArchive("tar", entries);
}

QByteArray Zip(const QList<ZipFixture>& entries) {
    return ZipArchive(entries);
}

// A ZIP archive cut at its central directory's middle: its end record is gone with it.
QByteArray CutZip() {
    const QByteArray whole =
        Zip({{.name = "MyScenery/a.txt", .data = "hello"}, {.name = "MyScenery/b.txt", .data = "b"}});
    return whole.left(whole.indexOf("PK\x01\x02") + 30);
}

// A ZIP archive whose end record points 8 bytes before its central directory.
QByteArray MisplacedDirectory() {
    QByteArray zip = Zip({{.name = "MyScenery/a.txt", .data = "hello"}});
    const qsizetype end = zip.size() - 22;
    zip[end + 16] = char(zip[end + 16] - 8);
    zip[end + 12] = char(zip[end + 12] + 8);
    return zip;
}

const ArchiveLimits TwoEntries{.entries = 2};
const ArchiveLimits TenBytes{.totalBytes = 10};
const ArchiveLimits FiveBytesAFile{.entryBytes = 5};

const RefusalCase Cases[] = {
    {"AbsoluteName", [] { return Tar({File("/etc/passwd", "x")}); }, "/etc/passwd : nom absolu"},
    {"DriveLetter", [] { return Zip({{.name = "C:/Fly2/fly.ini", .data = "x"}}); },
     "C:/Fly2/fly.ini : nom avec une lettre de lecteur"},
    {"DotDot", [] { return Tar({File("MyScenery/../../x.txt", "x")}); },
     "MyScenery/../../x.txt : nom avec « .. », qui sortirait du dossier"},
    {"BackslashDotDot", [] { return Zip({{.name = "..\\SYSTEM\\fly.ini", .data = "x"}}); },
     "..\\SYSTEM\\fly.ini : nom avec « .. », qui sortirait du dossier"},
    {"Colon", [] { return Tar({File("MyScenery/a.txt:stream", "x")}); },
     "MyScenery/a.txt:stream : nom avec un deux-points"},
    {"SymbolicLinkInTar",
     [] {
         return Tar({{"MyScenery/link", "/etc", Kind::SymbolicLink}});
     },
     "MyScenery/link : lien symbolique"},
    {"SymbolicLinkInZip",
     [] { return Zip({{.name = "MyScenery/link", .data = "/etc", .unixMode = 0120777}}); },
     "MyScenery/link : lien symbolique"},
    {"HardLink",
     [] {
         return Tar({File("MyScenery/a", "x"), {"MyScenery/b", "MyScenery/a", Kind::HardLink}});
     },
     "MyScenery/b : lien physique"},
    {"Fifo",
     [] {
         return Tar({{"MyScenery/fifo", {}, Kind::Fifo}});
     },
     "MyScenery/fifo : ni un fichier ni un dossier (périphérique, tube ou socket)"},
    {"Device",
     [] {
         return Tar({{"MyScenery/tty", {}, Kind::Device}});
     },
     "MyScenery/tty : ni un fichier ni un dossier (périphérique, tube ou socket)"},
    {"CaseOnlyDuplicate",
     [] {
         return Tar({File("MyScenery/a.txt", "1"), File("MyScenery/A.TXT", "2")});
     },
     "MyScenery/A.TXT : même nom que « MyScenery/a.txt » à la casse près"},
    {"FolderInOtherCase",
     [] {
         return Zip({{.name = "MyScenery/a", .data = "1"}, {.name = "MYSCENERY/b", .data = "2"}});
     },
     "MYSCENERY/b : même nom que « MyScenery » à la casse près"},
    {"FileAndFolder",
     [] {
         return Tar({File("MyScenery/x", "1"), File("MyScenery/x/y", "2")});
     },
     "MyScenery/x/y : « MyScenery/x » à la fois fichier et dossier"},
    {"SameFileTwice",
     [] {
         return Tar({File("MyScenery/x", "1"), File("MyScenery/./x", "2")});
     },
     "MyScenery/x : nom donné deux fois"},
    {"EncryptedZipEntry",
     [] { return Zip({{.name = "MyScenery/secret.txt", .data = "????????????x", .flags = 1}}); },
     "MyScenery/secret.txt : chiffrée par un mot de passe"},
    {"EncryptedRarEntry",
     [] { return Rar4Archive({{.name = "MyScenery/secret.txt", .data = "x", .encrypted = true}}); },
     "MyScenery/secret.txt : chiffrée par un mot de passe"},
    {"Deflate64", [] { return Zip({{.name = "MyScenery/big.bmp", .data = "x", .method = 9}}); },
     "MyScenery/big.bmp : méthode de compression 9 (Deflate64) non prise en charge"},
    {"TooManyEntriesInZip",
     [] {
         return Zip({{.name = "a", .data = "1"}, {.name = "b", .data = "2"}, {.name = "c", .data = "3"}});
     },
     "c : au-delà de la limite de 2 entrées", TwoEntries},
    {"TooManyEntriesIn7z",
     [] {
         return WrittenArchive("7z", {File("a", "1"), File("b", "2"), File("c", "3")});
     },
     "c : au-delà de la limite de 2 entrées", TwoEntries},
    {"TotalSizeBomb",
     [] {
         return WrittenArchive("tar.gz", {File("a", "123456"), File("b", "123456")});
     },
     "b : taille totale décompressée au-delà de la limite de 10 octets", TenBytes},
    {"EntrySizeBomb", [] { return Zip({{.name = "a", .data = "123456"}}); },
     "a : 6 octets, au-delà de la limite de 5 octets par fichier", FiveBytesAFile},
    {"ZipCutInItsDirectory", CutZip, "répertoire central ZIP introuvable (archive coupée ?)"},
    {"ZipDirectoryMisplaced", MisplacedDirectory,
     "répertoire central ZIP illisible à l'octet 42 : signature d'entrée attendue"},
    {"LocalAndCentralNamesDiffer",
     [] { return Zip({{.name = "MyScenery/a.txt", .data = "x", .localName = "../../a.txt"}}); },
     "MyScenery/a.txt : deux noms pour une même entrée (« ../../a.txt » dans l'en-tête local)"},
    {"OverlappingZipEntries",
     [] {
         return Zip(
             {{.name = "a", .data = "data"}, {.name = "b", .data = "data", .localAtShift = quint32(-35)}});
     },
     "a : données qui chevauchent celles de b"},
    {"InvalidUtf8Name", [] { return Zip({{.name = "MyScenery/\xff.txt", .data = "x", .flags = 0x0800}}); },
     "MyScenery/\uFFFD.txt : nom marqué UTF-8 qui n'est pas de l'UTF-8 valide"},
    {"ControlCharacter", [] { return Tar({File("MyScenery/a\nb", "x")}); },
     "MyScenery/a\nb : nom avec un caractère de contrôle"},
};

class ArchiveRefusals : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(ArchiveRefusals, TableIsRefusedNamingTheEntryAndWhy) {
    const QTemporaryDir folder;
    const QString path = FixtureFile(folder.path(), "addon.bin", GetParam().bytes());
    const Result<ArchiveTable> table = ReadArchiveTable(path, GetParam().limits);
    ASSERT_FALSE(table);
    EXPECT_EQ(table.failure().path, path);
    EXPECT_EQ(table.failure().reason.toStdString(), GetParam().reason.toStdString());
}

INSTANTIATE_TEST_SUITE_P(Refusals, ArchiveRefusals, ::testing::ValuesIn(Cases),
                         [](const auto& info) { return std::string(info.param.label); });

// libarchive's own words are kept for the damage it finds.
TEST(ArchiveDamage, DamagedCompressedTarIsRefusedInLibarchivesWords) {
    const QTemporaryDir folder;
    QByteArray bytes = WrittenArchive("tar.gz", {File("MyScenery/a.txt", QByteArray(4000, 'a'))});
    bytes.chop(8); // the gzip trailer: CRC-32 and size
    const Result<ArchiveTable> table = ReadArchiveTable(FixtureFile(folder.path(), "addon.tar.gz", bytes));
    ASSERT_FALSE(table);
    EXPECT_TRUE(table.failure().reason.startsWith("archive endommagée ("))
        << table.failure().reason.toStdString();
}

} // namespace
