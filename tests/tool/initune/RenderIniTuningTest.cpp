#include "IniFixture.h"

#include "initune/IniSaving.h"
#include "initune/RenderIniTuning.h"

namespace {

const QString HeaderRefusal = QStringLiteral("Pas d''en têtes ou de lignes vides!");
const QString DigitsRefusal = QStringLiteral(
    "Les nouvelles valeurs ne doivent comportées que des chiffres (0..9), pas d''autres caractères");

// The reason of a step that failed; empty when it didn't.
QString Reason(const Done& done) {
    return done ? QString() : done.failure().reason;
}

class RenderIniTuningTest : public IniFixture {
  protected:
    // Loads the file, then computes the memory.
    Done Load(const QByteArray& render) {
        WriteFile(SystemFile("render.ini"), render);
        const Result<bool> loaded = LoadRenderIni(grid, SystemFile("render.ini"));
        if (!loaded || !*loaded)
            return Failure{SystemFile("render.ini"), "not loaded"};
        return ComputeMemory(grid);
    }
    // Checks the counts, then saves.
    bool Save() {
        if (!CheckIniToSave(grid))
            return false;
        const Result<Done> saved = SaveIni(grid);
        return saved && *saved;
    }
    QString Memory(int row) const { return grid.Cell(row, grid.memColumn); }
    QString Total() const { return grid.Cell(1, grid.memColumn); }

    IniGrid grid;
};

TEST(TextureMemoryTest, RoundsHalvesToEvenAfterAddingOneHalf) {
    EXPECT_EQ(TextureMegabytes(100, *TextureBytes("maxTextures256")), 26); // exactly 25 MB
    EXPECT_EQ(TextureMegabytes(32, *TextureBytes("maxTextures128")), 2);   // exactly 2 MB
    EXPECT_EQ(TextureMegabytes(48, *TextureBytes("maxTextures128")), 4);   // exactly 3 MB
    EXPECT_EQ(TextureMegabytes(32, *TextureBytes("maxTextures64")), 1);    // 0.5 MB
    EXPECT_EQ(TextureMegabytes(589, *TextureBytes("maxTextures32")), 3);   // 2.3 MB
    EXPECT_EQ(TextureMegabytes(511, *TextureBytes("maxTextures1024")), 2044);
    EXPECT_FALSE(TextureMegabytes(512, *TextureBytes("maxTextures1024")));
    EXPECT_FALSE(TextureBytes("maxTextures1024_565"));
    EXPECT_FALSE(TextureBytes("MAXTEXTURES64"));
}

TEST_F(RenderIniTuningTest, TotalLeavesOutAgpSectionsAndMarkers) {
    const Done outcome = Load("maxTextures256=100\r\n"
                              "maxTextures64 =32\r\n"
                              "[Textures]\r\n"
                              "maxTextures128=  32  \r\n"
                              "maxTextures512=999\r\n"
                              "fogDensity=999\r\n"
                              "[AGP]\r\n"
                              "maxTextures256=100\r\n"
                              "[NonAGP]\r\n"
                              "maxTextures128=32\r\n"
                              "[Other]\r\n"
                              "maxTextures64=32\r\n");
    ASSERT_TRUE(outcome) << Reason(outcome).toStdString();

    EXPECT_EQ(grid.RowCount(), 14);
    EXPECT_EQ(grid.Cell(1, 0), "Memory in MB (without AGP)");
    EXPECT_EQ(Memory(2), "26");
    EXPECT_EQ(Memory(3), "") << "a blank before \"=\" is not a texture key";
    EXPECT_EQ(grid.Cell(5, 1), "32") << "values are trimmed";
    EXPECT_EQ(Memory(5), "2");
    EXPECT_EQ(Memory(6), "0");
    EXPECT_EQ(Memory(7), "0");
    EXPECT_EQ(Memory(9), "26");
    EXPECT_EQ(Memory(11), "2");
    EXPECT_EQ(Memory(13), "1");
    EXPECT_EQ(Total(), "29"); // 26 + 2 + 0 + 0, then 1 after [Other]
}

TEST_F(RenderIniTuningTest, NewCountsAreCheckedThenTakenOverAndSavedWithoutTheTotal) {
    ASSERT_TRUE(Load("[Textures]\r\nmaxTextures64= 32 \r\nmaxTextures128=32\r\n\r\nmaxTextures256=4\r\n"));
    EXPECT_EQ(Total(), "5"); // 1 + 2 + 2

    grid.SetCell(3, 3, "64");
    grid.SetCell(4, 3, "4x");
    const Done refused = ApplyNewCounts(grid);
    EXPECT_EQ(Reason(refused), DigitsRefusal);
    EXPECT_EQ(refused.failure().path, "maxTextures128");
    EXPECT_EQ(grid.Cell(4, 3), "");
    EXPECT_EQ(grid.Cell(4, 1), "32");
    EXPECT_EQ(grid.Cell(3, 1), "64") << "rows before the refusal keep their new count";
    EXPECT_EQ(Memory(3), "1") << "nothing computed yet";

    grid.SetCell(5, 3, "1");
    EXPECT_EQ(Reason(ApplyNewCounts(grid)), HeaderRefusal);
    EXPECT_EQ(grid.Cell(5, 3), "");
    grid.SetCell(2, 3, "1");
    EXPECT_EQ(Reason(ApplyNewCounts(grid)), HeaderRefusal);
    EXPECT_EQ(grid.Cell(2, 3), "");

    grid.SetCell(3, 3, "");
    grid.SetCell(6, 3, "8");
    ASSERT_TRUE(ApplyNewCounts(grid));
    ASSERT_TRUE(ComputeMemory(grid));
    EXPECT_EQ(Memory(3), "2");
    EXPECT_EQ(Memory(6), "2");
    EXPECT_EQ(Total(), "6");

    ASSERT_TRUE(Save());
    EXPECT_EQ(ReadFile(SystemFile("render.ini")),
              "[Textures]\r\nmaxTextures64=64\r\nmaxTextures128=32\r\n\r\nmaxTextures256=8\r\n");
}

TEST_F(RenderIniTuningTest, UnchangedLinesKeepTheirBlanks) {
    const QByteArray original = "maxTextures64 = 32 \r\nmaxTextures128=\t32\r\n";
    ASSERT_TRUE(Load(original));
    ASSERT_TRUE(Save());
    EXPECT_EQ(ReadFile(SystemFile("render.ini")), original);
}

TEST_F(RenderIniTuningTest, SavingRefusesACountWithLettersAndWritesNothing) {
    const QByteArray original = "maxTextures64=32\r\n";
    ASSERT_TRUE(Load(original));
    grid.SetCell(2, 3, "lots");

    EXPECT_EQ(Reason(CheckIniToSave(grid)), DigitsRefusal);
    EXPECT_EQ(grid.Cell(2, 3), "");
    EXPECT_EQ(ReadFile(SystemFile("render.ini")), original);
    EXPECT_TRUE(QDir(SystemFolder()).entryList({"*.BAK"}, QDir::Files).isEmpty());
}

TEST_F(RenderIniTuningTest, BadCountsStopTheComputation) {
    Done outcome = Load("maxTextures256=100\r\nmaxTextures128=lots\r\nmaxTextures64=32\r\n");
    EXPECT_EQ(Reason(outcome), "'lots' is not a valid integer value");
    EXPECT_EQ(outcome.failure().path, "lots");
    EXPECT_EQ(Memory(2), "26");
    EXPECT_EQ(Memory(4), "");
    EXPECT_EQ(Total(), "");

    outcome = Load("maxTextures1024=600\r\n");
    EXPECT_EQ(Reason(outcome),
              QString::fromUtf8("Nombre de textures trop grand pour maxTextures1024 : 600 (511 au plus)"));
    EXPECT_EQ(Memory(2), "");

    ASSERT_TRUE(Load("maxTextures1024=8\r\n"));
    grid.SetCell(2, 3, "99999999999");
    outcome = ApplyNewCounts(grid);
    EXPECT_EQ(
        Reason(outcome),
        QString::fromUtf8("Nombre de textures trop grand pour maxTextures1024 : 99999999999 (511 au plus)"));
    EXPECT_EQ(grid.Cell(2, 3), "");
    EXPECT_EQ(grid.Cell(2, 1), "8");
    grid.SetCell(2, 3, "999");
    ASSERT_TRUE(ApplyNewCounts(grid));
    ASSERT_TRUE(ComputeMemory(grid));
    EXPECT_EQ(Memory(2), "0");
}

TEST_F(RenderIniTuningTest, MissingFileLeavesTheGridEmpty) {
    const Result<bool> loaded = LoadRenderIni(grid, SystemFile("render.ini"));
    ASSERT_TRUE(loaded);
    EXPECT_FALSE(*loaded);
    EXPECT_EQ(grid.RowCount(), 3);
    EXPECT_TRUE(grid.path.isEmpty());
    EXPECT_FALSE(LoadRenderIni(grid, "").value_or(true));
}

} // namespace
