// Every format read: the table lists the entries as written (names decoded, folders, sizes, the top
// folder) and streaming gives their exact bytes.
#include "ArchiveFixtures.h"
#include "StreamedFiles.h"
#include "archive/ArchiveTable.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

namespace {

const QByteArray Accented = "MyScenery/Ça été à là.txt"; // UTF-8

// The add-on most cases hold: a top folder, a folder in it, two files.
QList<FixtureEntry> Addon() {
    return {Folder("MyScenery/"), Folder("MyScenery/Sub/"), File("MyScenery/Sub/a.txt", "hello"),
            File(Accented, "world!!")};
}

QList<RarFixture> RarAddon() {
    return {{.name = "MyScenery", .folder = true},
            {.name = "MyScenery/Sub/a.txt", .data = "hello"},
            {.name = Accented, .data = "world!!"}};
}

QList<ZipFixture> ZipAddon() {
    return {{.name = "MyScenery/"},
            {.name = "MyScenery/Sub/a.txt", .data = "hello"},
            {.name = Accented, .data = "world!!", .flags = 0x0800}};
}

// What the table and the streams should hold: each entry by name, a folder's ending in '/'.
using Expected = QMap<QString, QByteArray>;

const Expected AddonEntries{{"MyScenery/", {}},
                            {"MyScenery/Sub/", {}},
                            {"MyScenery/Sub/a.txt", "hello"},
                            {QString::fromUtf8(Accented), "world!!"}};

Expected Without(Expected entries, const QString& name) {
    entries.remove(name);
    return entries;
}

struct FormatCase final {
    const char* label;
    std::function<QByteArray()> bytes;
    QString format;
    Expected entries;
    QString top = QStringLiteral("MyScenery");
};

const FormatCase Cases[] = {
    {"ZipByLibarchive", [] { return WrittenArchive("zip", Addon()); }, "ZIP", AddonEntries},
    {"ZipUtf8Flag", [] { return ZipArchive(ZipAddon()); }, "ZIP", Without(AddonEntries, "MyScenery/Sub/")},
    {"ZipDosNames",
     [] { return ZipArchive({{.name = "MyScenery/\x85 \x82 \x8a \x87 \xb7.txt", .data = "dos"}}); },
     "ZIP",
     {{QString::fromUtf8("MyScenery/à é è ç À.txt"), "dos"}}},
    {"ZipUnicodePathField",
     [] {
         const QByteArray dos = "MyScenery/\x82t\x82.txt";
         return ZipArchive({{.name = dos, .data = "u", .extra = UnicodePathField(dos, "MyScenery/Été.txt")}});
     },
     "ZIP",
     {{QString::fromUtf8("MyScenery/Été.txt"), "u"}}},
    {"ZipBackslashes",
     [] { return ZipArchive({{.name = "MyScenery\\Sub\\a.txt", .data = "hello"}}); },
     "ZIP",
     {{"MyScenery/Sub/a.txt", "hello"}}},
    {"Zip64", [] { return ZipArchive(ZipAddon(), true); }, "ZIP", Without(AddonEntries, "MyScenery/Sub/")},
    {"SelfExtractingZip", [] { return ExeStub(3000) + ZipArchive(ZipAddon()); }, "ZIP",
     Without(AddonEntries, "MyScenery/Sub/")},
    {"SevenZip", [] { return WrittenArchive("7z", Addon()); }, "7z", AddonEntries},
    // libarchive finds a 7z archive behind a program between 0x27000 and 0x60000 bytes, as 7-Zip's are.
    {"SelfExtracting7z", [] { return ExeStub(0x27000) + WrittenArchive("7z", Addon()); }, "7z", AddonEntries},
    {"Tar", [] { return WrittenArchive("tar", Addon()); }, "tar", AddonEntries},
    {"TarGz", [] { return WrittenArchive("tar.gz", Addon()); }, "tar.gz", AddonEntries},
    {"TarBz2", [] { return WrittenArchive("tar.bz2", Addon()); }, "tar.bz2", AddonEntries},
    {"TarXz", [] { return WrittenArchive("tar.xz", Addon()); }, "tar.xz", AddonEntries},
    {"TarDotSlashTwoFolders",
     [] {
         return WrittenArchive("tar", {Folder("./"), File("./A/x.txt", "x"), File("./B/y.txt", "yy")});
     },
     "tar",
     {{"A/x.txt", "x"}, {"B/y.txt", "yy"}},
     QString()},
    {"Rar4", [] { return Rar4Archive(RarAddon()); }, "RAR 4", Without(AddonEntries, "MyScenery/Sub/")},
    // libarchive finds a RAR archive behind a program at 64 KiB and on.
    {"SelfExtractingRar4", [] { return ExeStub(0x10000) + Rar4Archive(RarAddon()); }, "RAR 4",
     Without(AddonEntries, "MyScenery/Sub/")},
    {"Rar5", [] { return Rar5Archive(RarAddon()); }, "RAR 5", Without(AddonEntries, "MyScenery/Sub/")},
    {"FileAtTop",
     [] { return WrittenArchive("zip", {File("readme.txt", "r")}); },
     "ZIP",
     {{"readme.txt", "r"}},
     QString()},
};

void PrintTo(const FormatCase& format, std::ostream* out) {
    *out << format.label;
}

class ArchiveFormats : public ::testing::TestWithParam<FormatCase> {};

TEST_P(ArchiveFormats, TableListsTheEntriesAndStreamingGivesTheirBytes) {
    const QTemporaryDir folder;
    const FormatCase& format = GetParam();
    const QString path = FixtureFile(folder.path(), "addon.bin", format.bytes());
    const Result<ArchiveTable> table = ReadArchiveTable(path);
    ASSERT_TRUE(table) << table.failure().reason.toStdString();
    EXPECT_EQ(table->path, path);
    EXPECT_EQ(table->format, format.format);
    EXPECT_EQ(table->topFolder, format.top);
    Expected listed, files;
    int position = -1;
    for (const ArchiveEntry& entry : table->entries) {
        EXPECT_GT(entry.position, position) << entry.name.toStdString();
        position = entry.position;
        listed.insert(entry.name + (entry.folder ? "/" : ""), QByteArray(int(entry.size), '?'));
    }
    for (auto it = format.entries.cbegin(); it != format.entries.cend(); ++it) {
        EXPECT_EQ(listed.value(it.key(), "<missing>").size(), it.value().size()) << it.key().toStdString();
        if (!it.key().endsWith('/'))
            files.insert(it.key(), it.value());
    }
    EXPECT_EQ(listed.keys(), format.entries.keys());
    const Result<QMap<QString, QByteArray>> streamed = StreamedFiles(*table);
    ASSERT_TRUE(streamed) << streamed.failure().reason.toStdString();
    EXPECT_EQ(*streamed, files);
}

INSTANTIATE_TEST_SUITE_P(Formats, ArchiveFormats, ::testing::ValuesIn(Cases),
                         [](const auto& info) { return std::string(info.param.label); });

} // namespace
