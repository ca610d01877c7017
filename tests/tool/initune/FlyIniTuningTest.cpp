#include "IniFixture.h"
#include "ScriptedDialogs.h"

#include "initune/FlyIniTuning.h"
#include "initune/IniSaving.h"

#include <QDir>
#include <QRegularExpression>

namespace {

const QByteArray FlyLines = "[Sim]\r\n"
                            "a=b=c\r\n"
                            " NullZone =0\r\n"
                            "nullzone=0\r\n"
                            "useDirect3D=1\r\n"
                            "; r\xE9glages perso\r\n"
                            "\r\n"
                            "unknownKey= spaced value \r\n"
                            "emptyValue=\r\n";

class FlyIniTuningTest : public IniFixture {
  protected:
    void Load(const QByteArray& fly, const QByteArray& recommendations) {
        WriteFile(SystemFile("fly.ini"), fly);
        WriteFile(RecommendationsPath(), recommendations);
        ASSERT_TRUE(LoadFlyIni(grid, SystemFile("fly.ini"), AppSettings().ProgramFolder).value_or(false));
    }
    // Saves, the write and its backup made.
    bool Save() {
        const Result<Done> saved = SaveIni(grid);
        return saved && *saved;
    }
    QStringList Backups() const { return QDir(SystemFolder()).entryList({"fly.ini*.BAK"}, QDir::Files); }

    IniGrid grid;
};

TEST_F(FlyIniTuningTest, LinesKeepTheirBytesAndUnappliedRecommendationsBecomeBareKeys) {
    Load(FlyLines, "NullZone=1\r\nuseDirect3D=1\r\nmissingKey=3\r\nno equals sign\r\nmissingKey=4\r\n");

    EXPECT_EQ(grid.Cell(2, 0), "a");
    EXPECT_EQ(grid.Cell(2, 1), "b=c");
    EXPECT_EQ(grid.Cell(3, 0), " NullZone ");
    EXPECT_EQ(grid.Cell(3, 2), "") << "a key with spaces around it matches no recommendation";
    EXPECT_EQ(grid.Cell(4, 2), "1") << "nullzone receives the recommendation for NullZone";
    EXPECT_EQ(grid.Cell(8, 1), " spaced value ");
    // The rows the recommendations add, one per unmatched line, duplicates included.
    ASSERT_EQ(grid.RowCount(), 12);
    EXPECT_EQ(grid.Cell(10, 0), "missingKey");
    EXPECT_EQ(grid.Cell(10, 2), "3");
    EXPECT_EQ(grid.Cell(11, 2), "4");

    ASSERT_TRUE(Save());
    EXPECT_EQ(ReadFile(SystemFile("fly.ini")), FlyLines + "missingKey\r\nmissingKey\r\n");
    const QStringList backups = Backups();
    ASSERT_EQ(backups.size(), 1);
    EXPECT_TRUE(QRegularExpression("^fly\\.ini\\d{12}\\.BAK$").match(backups[0]).hasMatch())
        << backups[0].toStdString();
    EXPECT_EQ(ReadFile(SystemFolder() + "/" + backups[0]), FlyLines);
}

TEST_F(FlyIniTuningTest, ApplyingCopiesOnlyDifferingRecommendationsAndSavesThem) {
    Load(FlyLines, "NullZone=1\r\nuseDirect3D=1\r\nmissingKey=3\r\n");
    grid.SetCell(8, grid.newColumn, QString::fromLatin1("autre valeur \xE9"));

    ApplyRecommendations(grid);

    EXPECT_EQ(grid.Cell(4, 3), "1");
    EXPECT_EQ(grid.Cell(5, 3), "") << "useDirect3D already has its recommended value";
    ASSERT_TRUE(Save());
    EXPECT_EQ(ReadFile(SystemFile("fly.ini")),
              "[Sim]\r\na=b=c\r\n NullZone =0\r\nnullzone=1\r\nuseDirect3D=1\r\n"
              "; r\xE9glages perso\r\n\r\nunknownKey=autre valeur \xE9\r\n"
              "emptyValue=\r\nmissingKey=3\r\n");
}

TEST_F(FlyIniTuningTest, SearchGoesOnFromTheLastHitThenStartsAgain) {
    Load("percentOfWindOnGround=20\r\nx=1\r\n\r\nwindAloft=1\r\nignoreSlopeWIND=0\r\n", "");
    QList<int> hits;
    grid.searchPosition = -1;
    for (int i = 0; i < 5; ++i) {
        hits << SearchName(grid, "wind").value_or(-1);
        grid.searchPosition += 1; // "Chercher encore"
    }
    EXPECT_EQ(hits, QList<int>({1, 4, 5, -1, 1}));

    grid.searchPosition = -1;
    EXPECT_EQ(SearchName(grid, "nothing like it"), std::nullopt);
    EXPECT_EQ(grid.searchPosition, -1);
    EXPECT_EQ(SearchName(grid, ""), 3) << "an empty text finds the first empty name";
}

TEST_F(FlyIniTuningTest, SearchOtherDrivesIsRecommendedInPlaceOrAppended) {
    Load("searchotherdrives=0\r\n", "");
    EXPECT_EQ(SetRecommendation(grid, "SearchOtherDrives", "1"), 1);
    EXPECT_EQ(grid.Cell(1, 2), "1");
    EXPECT_EQ(grid.Cell(1, 3), "");

    Load("x=1\r\n", "");
    EXPECT_EQ(SetRecommendation(grid, "SearchOtherDrives", "1"), 2);
    EXPECT_EQ(grid.Cell(2, 0), "SearchOtherDrives");
}

TEST_F(FlyIniTuningTest, MissingFileIsReportedAndNothingIsWritten) {
    ScriptedDialogs dialogs;
    const QString path = SystemFile("fly.ini");
    const Result<bool> loaded = LoadFlyIni(grid, path, AppSettings().ProgramFolder);
    ASSERT_TRUE(loaded);
    EXPECT_FALSE(*loaded);
    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(grid.Cell(1, 0), "");
    EXPECT_TRUE(CheckIniToSave(grid));
    EXPECT_TRUE(Save());
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_FALSE(LoadFlyIni(grid, "", AppSettings().ProgramFolder).value_or(true));
}

TEST_F(FlyIniTuningTest, MissingRecommendationsAreWrittenWithTheDefaults) {
    Load("NullZone=0\r\n", "");
    QFile::remove(RecommendationsPath());
    ASSERT_TRUE(LoadFlyIni(grid, SystemFile("fly.ini"), AppSettings().ProgramFolder).value_or(false));

    const QByteArray written = ReadFile(RecommendationsPath());
    EXPECT_EQ(written.count("\r\n"), 62);
    EXPECT_TRUE(written.startsWith("autoFullScreen=1\r\nuseDirect3D=1\r\n"));
    EXPECT_TRUE(written.endsWith("forceLargeAirportsInList=1\r\nuseEnvLighting=1\r\n"));
    EXPECT_EQ(grid.Cell(1, 2), "1");
    EXPECT_EQ(grid.RowCount(), 2 + 61);
}

TEST_F(FlyIniTuningTest, SavingGoesToTheFileInWhateverCaseItHas) {
    WriteFile(SystemFile("FLY.INI"), "NullZone=0\r\n");
    WriteFile(RecommendationsPath(), "NullZone=1\r\n");
    ASSERT_TRUE(LoadFlyIni(grid, SystemFile("fly.ini"), AppSettings().ProgramFolder).value_or(false));
    ApplyRecommendations(grid);
    ASSERT_TRUE(Save());

    EXPECT_EQ(ReadFile(SystemFile("FLY.INI")), "NullZone=1\r\n");
    EXPECT_EQ(QDir(SystemFolder()).entryList({"*.ini", "*.INI"}, QDir::Files), QStringList{"FLY.INI"});
}

TEST_F(FlyIniTuningTest, AFailedWriteIsReported) {
    Load("NullZone=0\r\n", "");
    ASSERT_TRUE(QFile::remove(SystemFile("fly.ini")));
    ASSERT_TRUE(QDir().mkdir(SystemFile("fly.ini")));

    const Result<Done> saved = SaveIni(grid);
    ASSERT_TRUE(saved); // the backup of a folder: there is no file to keep
    ASSERT_FALSE(*saved);
    EXPECT_EQ(saved->failure().path, SystemFile("fly.ini"));
    EXPECT_EQ(saved->failure().reason, "Is a directory");
}

TEST_F(FlyIniTuningTest, AnEmptyFileShowsOneEmptyRow) {
    Load("", "");
    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(grid.path, SystemFile("fly.ini"));
}

} // namespace
