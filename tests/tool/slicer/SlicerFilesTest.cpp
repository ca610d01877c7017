#include "slicer/SlicerFiles.h"
#include "slicer/SlicerFileActions.h"

#include "fs/NativeFs.h"

#include "QStringPrinter.h"
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

SlicerSettings Typical() {
    SlicerSettings s;
    s.nightCreate = true;
    s.nightCutoff = 30;
    s.waterMask = true;
    s.textureFile = "/fly/SlicerWork/TGA/alps.tga";
    s.textureLowerLeftLat = "47.000000000000000000";
    s.textureLowerLeftLon = "7.000000000000000000";
    s.textureUpperRightLat = "48.000000000000000000";
    s.textureUpperRightLon = "8.500000000000000000";
    s.elevationsCreate = true;
    s.elevationData = "/fly/SlicerWork/RAS";
    s.samplesX = 1201;
    s.samplesY = 1202;
    s.elevationLowerLeftLat = "46.500000000000000000";
    s.elevationLowerLeftLon = "6.500000000000000000";
    s.elevationUpperRightLat = "48.500000000000000000";
    s.elevationUpperRightLon = "-9.000000000000000000";
    s.subdivideTolerance = 5;
    s.subdivideDensity = 3;
    s.globeTileEnabled = true;
    s.globeTileX = 12;
    s.globeTileZ = -3;
    s.podFile = "/fly/SlicerWork/POD/Alps.pod";
    return s;
}

// Input file line n (1-based).
QString InputLine(const SlicerSettings& s, int n) {
    return SlicerInputLines(s).at(n - 1);
}

} // namespace

TEST(SlicerFiles, InputFileForATypicalSetting) {
    const QByteArray expected =
        "#\r\n# fly2slice import file\r\n#\r\n \r\n"
        "textures.create=true\r\ntextures.createDistance=true\r\ntextures.night.create=true\r\n"
        "textures.night.cutoffPercent=30\r\ntextures.water.create=true\r\ntextures.water.pure=false\r\n"
        "textures.filename=/fly/SlicerWork/TGA/alps.tga\r\n"
        "textures.lowerLeft.latitude=47.000000000000000000\r\ntextures.lowerLeft.longitude=7."
        "000000000000000000\r\n"
        "textures.upperRight.latitude=48.000000000000000000\r\ntextures.upperRight.longitude=8."
        "500000000000000000\r\n"
        "textures.keepExisting=false\r\ntextures.colorDepth=8\r\n"
        "elevations.create=true\r\nelevations.filename=/fly/SlicerWork/RAS\r\n"
        "elevations.numSamples.x=1201\r\nelevations.numSamples.y=1202\r\n"
        "elevations.lowerLeft.latitude=46.500000000000000000\r\nelevations.lowerLeft.longitude=6."
        "500000000000000000\r\n"
        "elevations.upperRight.latitude=48.500000000000000000\r\n"
        "elevations.upperRight.longitude=-9.000000000000000000\r\n"
        "elevations.subdivideTolerance=5\r\nelevations.subdivideDensity=3\r\n"
        "specificGlobeTile.enabled=true\r\nspecificGlobeTile.x=12\r\nspecificGlobeTile.z=-3\r\n"
        "pod.create=true\r\npod.filename=/fly/SlicerWork/POD/"
        "Alps.pod\r\npod.volumeName=slicer@example.net:\r\n";
    EXPECT_EQ(JoinLines(SlicerInputLines(Typical())), expected);

    QTemporaryDir dir;
    const QString path = dir.filePath("alps.txt");
    ASSERT_TRUE(WriteLines(path, SlicerInputLines(Typical())));
    EXPECT_EQ(ReadWholeFile(path).value_or(""), expected);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"alps.txt"}); // no temporary left

    // A file that can't be written is told, not taken for saved.
    const QString unwritable = dir.filePath("none/alps.ftv");
    const Done saved = SaveValues(unwritable, Typical());
    ASSERT_FALSE(saved);
    EXPECT_EQ(saved.failure().path, unwritable);
    EXPECT_FALSE(saved.failure().reason.isEmpty());
}

TEST(SlicerFiles, UncheckedBoxesWriteTheirPlaceholders) {
    SlicerSettings s = Typical();
    s.texturesCreate = false;
    s.elevationsCreate = false;
    s.globeTileEnabled = false;
    s.podCreate = false;
    const QStringList lines = SlicerInputLines(s);
    EXPECT_EQ(lines.mid(4, 11),
              (QStringList{"textures.create=false", "textures.createDistance=false",
                           "textures.night.create=false", "textures.night.cutoffPercent=30",
                           "textures.water.create=true", "textures.water.pure=false", "textures.filename=",
                           "textures.lowerLeft.latitude=", "textures.lowerLeft.longitude=",
                           "textures.upperRight.latitude=", "textures.upperRight.longitude="}));
    EXPECT_EQ(lines.mid(17, 10),
              (QStringList{"elevations.create=false", "elevations.filename=c:\\dummy.ras",
                           "elevations.numSamples.x=0", "elevations.numSamples.y=0",
                           "elevations.lowerLeft.latitude=0", "elevations.lowerLeft.longitude=0",
                           "elevations.upperRight.latitude=0", "elevations.upperRight.longitude=0",
                           "elevations.subdivideTolerance=0", "elevations.subdivideDensity=0"}));
    EXPECT_EQ(lines.mid(27, 3), (QStringList{"specificGlobeTile.enabled=false",
                                             "specificGlobeTile.x=", "specificGlobeTile.z="}));
    EXPECT_EQ(InputLine(s, 31), "pod.create=false");
    EXPECT_EQ(InputLine(s, 32), "pod.filename=dummy.pod");
    EXPECT_EQ(lines.size(), 33);
}

TEST(SlicerFiles, ValuesFileRecordsEveryControlAsItStands) {
    SlicerSettings s = Typical();
    s.texturesCreate = false;
    s.elevationsCreate = false;
    s.podCreate = false;
    const QStringList values = ValuesFileLines(s);
    ASSERT_EQ(values.size(), 30);
    EXPECT_EQ(values[0], "FlyKestrel saved values file");
    EXPECT_EQ(values.mid(1, 3), (QStringList{"textures.create=false", "textures.createDistance=true",
                                             "textures.night.create=true"}));
    EXPECT_EQ(values[7], "textures.filename=/fly/SlicerWork/TGA/alps.tga");
    EXPECT_EQ(values[13], "textures.colorDepth=8");
    EXPECT_EQ(values[15], "elevations.filename=/fly/SlicerWork/RAS");
    EXPECT_EQ(values[28], "pod.filename=/fly/SlicerWork/POD/Alps.pod");
    EXPECT_EQ(values[29], "pod.volumeName=slicer@example.net:");

    // Everything comes back, the unchecked boxes and empty texts included.
    s.textureFile.clear();
    EXPECT_EQ(ReadValuesLines(SplitValuesLines(JoinLines(ValuesFileLines(s)))).value_or(std::nullopt), s);
}

TEST(SlicerFiles, ValuesFileReadingIsStrict) {
    QStringList lines = ValuesFileLines(Typical());
    QStringList wrongCase = lines;
    wrongCase[0] = "FlyKestrel Saved Values File";
    EXPECT_FALSE(ReadValuesLines(wrongCase).value_or(SlicerSettings()));
    // A short file: refused, not read past its end.
    EXPECT_FALSE(ReadValuesLines(lines.mid(0, 29)).value_or(SlicerSettings()));

    // Keys are not looked at, only the text after the first "=".
    lines[1] = "whatever=True";
    lines[4] = "x=30";
    lines[5] = "textures.water.create=true=4";
    lines[7] = "no equals sign";
    const std::optional<SlicerSettings> read = ReadValuesLines(lines).value_or(std::nullopt);
    ASSERT_TRUE(read);
    EXPECT_TRUE(read->texturesCreate);
    EXPECT_EQ(read->nightCutoff, 30);
    EXPECT_FALSE(read->waterMask); // "true=4" is not TRUE
    EXPECT_EQ(read->textureFile, "no equals sign");

    lines[4] = "textures.night.cutoffPercent=2.5";
    lines[5] = "textures.water.create=true";
    const Result<std::optional<SlicerSettings>> unread = ReadValuesLines(lines);
    ASSERT_FALSE(unread);
    EXPECT_EQ(unread.failure().path, "2.5");
    EXPECT_EQ(unread.failure().reason, "'2.5' is not a valid integer value");
}

TEST(SlicerFiles, SceneryControlFile) {
    SlicerSettings s = Typical();
    s.textureLowerLeftLat = "0.5";
    s.textureLowerLeftLon = "";
    s.textureUpperRightLat = "89.75";
    s.textureUpperRightLon = "-179.5";
    EXPECT_EQ(SceneryControlLines(s).value_or({}),
              (QStringList{"<bgno> ==== BEGIN SCENERY FILE ====", "<name> ---- scenery set name ----", "Alps",
                           "<call> ---- coverage area lower left ----", "0 30 0.0 N", "0 0 0.0 E",
                           "<caur> ---- coverage area upper right ----", "89 45 0.0 N", "179 30 0.0 W",
                           "<ldll> ---- load lower left ----", "0 30 0.0 S", "1 0 0.0 W",
                           "<ldur> ---- load upper right ----", "90 45 0.0 N", "178 30 0.0 W",
                           "<file> ---- pod file ----", "Alps.POD", "<endo> ==== END SCENERY FILE ==="}));
    s.textureUpperRightLon = "8,5";
    const Result<QStringList> unread = SceneryControlLines(s);
    ASSERT_FALSE(unread);
    EXPECT_EQ(unread.failure().path, "8,5");
    EXPECT_EQ(unread.failure().reason, "'8,5' is not a valid floating point value");
}

// A values file written on Windows names the POD file with backslashes.
TEST(SlicerFiles, SceneryControlNamesThePodWhateverItsSeparators) {
    QTemporaryDir dir;
    for (const QString pod :
         {"C:\\Fly2\\SlicerWork\\POD\\Alps.pod", "/fly/SlicerWork/POD/Alps.pod", "D:\\mixed/POD\\Alps.pod"}) {
        SlicerSettings s = Typical();
        s.podFile = pod;
        const QStringList lines = SceneryControlLines(s).value_or({});
        EXPECT_EQ(lines[2], "Alps") << pod.toStdString();
        EXPECT_EQ(lines[16], "Alps.POD");
        EXPECT_EQ(SceneryControlPath(pod, dir.path() + "/"), dir.path() + "/Alps.SCF");
    }
}

TEST(SlicerFiles, SceneryControlGoesToTheScfFolderWhenThereIsOne) {
    QTemporaryDir dir;
    const QString fly = dir.path() + "/";
    EXPECT_EQ(SceneryControlPath("/elsewhere/Alps.pod", fly), dir.path() + "/Alps.SCF");
    ASSERT_TRUE(QDir(dir.path()).mkpath("slicerwork/scf files"));
    EXPECT_EQ(SceneryControlPath("/elsewhere/my.alps.pod", fly), dir.path() + "/slicerwork/scf files/my.alps.SCF");
    EXPECT_EQ(SceneryControlPath("Alps", fly), dir.path() + "/slicerwork/scf files/Alps.SCF");
}

TEST(SlicerFiles, MissingInputsInTheirOrder) {
    SlicerSettings s = Typical();
    EXPECT_EQ(MissingForSlicerInput(s), "");
    s.textureUpperRightLon.clear();
    EXPECT_EQ(MissingForSlicerInput(s), "Texture Lat-Lon nécessaires");
    EXPECT_EQ(MissingForSceneryControl(s), "Texture Lat-Lon nécessaires");
    s.elevationData.clear();
    EXPECT_EQ(MissingForSlicerInput(s), "Fichier RAS, Elevation Lat-Lon nécessaires");
    s.podFile.clear();
    EXPECT_EQ(MissingForSlicerInput(s), "Fichier POD nécessaire");
    s.textureFile.clear();
    EXPECT_EQ(MissingForSlicerInput(s), "Fichier TGA nécessaire");

    s = Typical();
    s.texturesCreate = false;
    s.elevationsCreate = false;
    s.podCreate = false;
    s.textureUpperRightLon.clear();
    s.elevationData.clear();
    s.podFile.clear();
    EXPECT_EQ(MissingForSlicerInput(s), "");
    EXPECT_EQ(MissingForSceneryControl(s), "Texture Lat-Lon nécessaires");
    s.textureUpperRightLon = "1";
    EXPECT_EQ(MissingForSceneryControl(s), "Fichier POD nécessaire");
}
