#include "ModalSteps.h"
#include "QStringPrinter.h"
#include "ScriptedDialogs.h"

#include "fs/NativeFs.h"
#include "shell/Settings.h"
#include "slicer/SlicerFiles.h"
#include "slicer/ui/TF2sInputForm.h"
#include "slicer/ui/TFCutLLInput.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

template <typename T> T* Find(const QWidget& window, const char* name) {
    T* widget = window.findChild<T*>(name);
    if (widget == nullptr)
        ADD_FAILURE() << "no widget " << name;
    return widget;
}

bool Enabled(const QWidget& window, const char* name) {
    return Find<QWidget>(window, name)->isEnabled();
}

SlicerSettings Filled() {
    SlicerSettings s;
    s.textureFile = "/fly/alps.tga";
    s.textureLowerLeftLat = "0.5";
    s.textureLowerLeftLon = "7";
    s.textureUpperRightLat = "48";
    s.textureUpperRightLon = "8.5";
    s.podFile = "/anywhere/Alps.pod";
    return s;
}

class SlicerWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        fly = dir.path() + "/";
        AppSettings().FlyFolder = fly;
    }

    QTemporaryDir dir;
    QString fly;
    ScriptedDialogs dialogs;
    TF2sInputForm form;
};

} // namespace

TEST_F(SlicerWindow, DefaultsAndEnabling) {
    EXPECT_EQ(form.windowTitle(), "Créer un fichier d'entrée pour fly2slice");
    EXPECT_EQ(form.Gather(), SlicerSettings{});
    EXPECT_FALSE(Enabled(form, "SENightCutoff"));
    for (const char* name : {"EditElevLLLat", "EditElevURLon", "BtnElevLatLon", "SESamplesX", "SESubDensity"})
        EXPECT_FALSE(Enabled(form, name)) << name;
    EXPECT_TRUE(Enabled(form, "BtnReadRAS"));
    EXPECT_FALSE(Enabled(form, "SEGlobeZ"));
    EXPECT_FALSE(Enabled(form, "BtnGlobeTiles"));
    EXPECT_TRUE(Find<QWidget>(form, "BtnGlobeTiles")->isHidden());

    Find<QCheckBox>(form, "CBElevCreate")->click();
    Find<QCheckBox>(form, "CBTexNight")->click();
    Find<QCheckBox>(form, "CBGlobeTile")->click();
    for (const char* name :
         {"EditElevLLLon", "BtnElevLatLon", "SESamplesY", "SESubTolerance", "SENightCutoff", "SEGlobeX"})
        EXPECT_TRUE(Enabled(form, name)) << name;
    Find<QCheckBox>(form, "CBElevCreate")->click();
    EXPECT_FALSE(Enabled(form, "SESamplesY"));
}

TEST_F(SlicerWindow, LoadingValuesSetsTheBoxesAndTheirEnabling) {
    SlicerSettings saved = Filled();
    saved.texturesCreate = false;
    saved.nightCreate = true;
    saved.elevationsCreate = true;
    saved.samplesX = -7;
    saved.globeTileEnabled = true;
    saved.podCreate = false;
    const QString path = fly + "alps.ftv";
    ASSERT_TRUE(WriteLines(path, ValuesFileLines(saved)));

    dialogs.AnswerFile(path);
    Click(form, "BtnLoadValues");
    EXPECT_EQ(dialogs.Texts(), QStringList());
    EXPECT_EQ(form.Gather(), saved);
    EXPECT_FALSE(Find<QCheckBox>(form, "CBTexCreate")->isChecked());
    EXPECT_TRUE(Enabled(form, "SENightCutoff"));
    EXPECT_TRUE(Enabled(form, "EditElevURLat"));
    EXPECT_TRUE(Enabled(form, "SEGlobeZ"));
    EXPECT_EQ(dialogs.shown().front().caption, "Charge les valeurs du fichiers d''entrée");
    EXPECT_EQ(dialogs.shown().front().extra, "FTV|Charge les valeurs (*.ftv)|*.FTV");

    // The window saves what it shows.
    dialogs.AnswerFile(fly + "again.ftv");
    Click(form, "BtnSaveValues");
    EXPECT_EQ(ReadWholeFile(fly + "again.ftv").value_or("<missing>"),
              ReadWholeFile(path).value_or("<missing>"));
}

TEST_F(SlicerWindow, BadValuesFilesChangeNothing) {
    QStringList lines = ValuesFileLines(Filled());
    lines[0] = "flykestrel saved values file";
    ASSERT_TRUE(WriteLines(fly + "case.ftv", lines));
    lines[0] = ValuesFileHeader;
    lines[4] = "textures.night.cutoffPercent=2.5";
    ASSERT_TRUE(WriteLines(fly + "spin.ftv", lines));
    ASSERT_TRUE(WriteLines(fly + "short.ftv", lines.mid(0, 12)));

    for (const char* name : {"gone.ftv", "case.ftv", "short.ftv", "spin.ftv"}) {
        dialogs.AnswerFile(fly + name);
        Click(form, "BtnLoadValues");
    }
    dialogs.AnswerFile({});
    Click(form, "BtnLoadValues");
    EXPECT_EQ(dialogs.Texts(),
              (QStringList{"Erreur d'entrée/sortie : impossible de lire le fichier " + fly + "gone.ftv",
                           "Format de fichier erroné - pas un fichier FlyKestrel",
                           "Format de fichier erroné - pas un fichier FlyKestrel",
                           "'2.5' is not a valid integer value", "Aucun fichier sélectionné!"}));
    EXPECT_EQ(dialogs.shown()[1].kind, ScriptedDialogs::Kind::Error);
    EXPECT_EQ(dialogs.shown()[7].kind, ScriptedDialogs::Kind::Error);
    EXPECT_EQ(form.Gather(), SlicerSettings{});
}

TEST_F(SlicerWindow, WritingTheInputFileAndItsCopy) {
    Click(form, "BtnWriteSlicer");
    EXPECT_EQ(dialogs.Texts(), QStringList{"Fichier TGA nécessaire"});

    form.Apply(Filled());
    ASSERT_TRUE(QDir(fly).mkpath("out/SlicerWork/Slicer Files"));
    const QString path = fly + "out/alps.txt";
    dialogs.Clear();
    dialogs.AnswerFile(path);
    Click(form, "BtnWriteSlicer");
    EXPECT_EQ(dialogs.Texts(),
              (QStringList{
                  "Pour éviter les erreurs placez ce fichier dans le réprtoire de base de Fly! ou est situé "
                  "fly2sclice.exe!",
                  "Slicer-InputFile written to >>> " + path}));
    EXPECT_EQ(dialogs.shown()[1].text, fly);
    EXPECT_EQ(dialogs.shown()[1].caption, "Sélectionner le nom du fichier Fly2Slice");
    const QByteArray expected = JoinLines(SlicerInputLines(Filled()));
    EXPECT_EQ(ReadWholeFile(path).value_or("<missing>"), expected);
    EXPECT_EQ(ReadWholeFile(fly + "out/SlicerWork/Slicer Files/alps.txt").value_or("<missing>"), expected);
    EXPECT_EQ(AppSettings().FlyFolder, fly); // the dialog's folder is a copy

    // Nothing chosen: nothing written and no claim that it was.
    dialogs.Clear();
    dialogs.AnswerFile({});
    Click(form, "BtnWriteSlicer");
    EXPECT_EQ(dialogs.Texts().last(), "Aucun fichier sélectionné!");
    EXPECT_EQ(dialogs.Texts().size(), 2);

    // A folder that isn't there: the error box, no success message.
    const QString notWritten = "Erreur d'entrée/sortie : impossible d'écrire le fichier ";
    dialogs.Clear();
    dialogs.AnswerFile(fly + "missing/alps.txt");
    Click(form, "BtnWriteSlicer");
    EXPECT_EQ(dialogs.Texts().last(), notWritten + fly + "missing/alps.txt");
    EXPECT_EQ(dialogs.shown().back().kind, ScriptedDialogs::Kind::Error);
    EXPECT_EQ(dialogs.Texts().size(), 2);
    EXPECT_FALSE(PathExists(fly + "missing"));

    // A copy that can't be written: the file is, and both are told.
    const QString copy = fly + "out/SlicerWork/Slicer Files/blocked.txt";
    ASSERT_TRUE(QDir().mkpath(copy + "/inside"));
    dialogs.Clear();
    dialogs.AnswerFile(fly + "out/blocked.txt");
    Click(form, "BtnWriteSlicer");
    EXPECT_EQ(dialogs.Texts().mid(1),
              (QStringList{"Slicer-InputFile written to >>> " + fly + "out/blocked.txt", notWritten + copy}));
    EXPECT_EQ(dialogs.shown().back().kind, ScriptedDialogs::Kind::Error);
}

TEST_F(SlicerWindow, WritingTheSceneryControlFile) {
    SlicerSettings s = Filled();
    s.podFile.clear();
    form.Apply(s);
    Click(form, "BtnWriteSCF");
    EXPECT_EQ(dialogs.Texts(), QStringList{"Fichier POD nécessaire"});

    form.Apply(Filled());
    dialogs.Clear();
    Click(form, "BtnWriteSCF");
    EXPECT_EQ(dialogs.Texts(), QStringList{"Fichier SCF enregistré vers >>>" + fly + "Alps.SCF"});
    EXPECT_EQ(ReadWholeFile(fly + "Alps.SCF").value_or("<missing>"),
              JoinLines(SceneryControlLines(Filled()).value_or({})));

    s = Filled();
    s.textureUpperRightLon = "8,5";
    form.Apply(s);
    dialogs.Clear();
    Click(form, "BtnWriteSCF");
    EXPECT_EQ(dialogs.Texts(), QStringList{"'8,5' is not a valid floating point value"});
}

TEST_F(SlicerWindow, ChoosingFiles) {
    AppSettings().RASPath = "/ras/start";
    dialogs.AnswerFile({});
    dialogs.AnswerFolder({});
    dialogs.AnswerFile(fly + "x.tga");
    dialogs.AnswerFolder("/ras/alps");
    dialogs.AnswerFile({});
    Click(form, "BtnReadTGA");
    Click(form, "BtnReadRAS");
    Click(form, "BtnReadTGA");
    Click(form, "BtnReadRAS");
    Click(form, "BtnPodName");
    EXPECT_EQ(dialogs.Texts(),
              (QStringList{"Fichier TGA non sélectionné!", "Fichier RASs non sélectionné!"}));
    EXPECT_EQ(dialogs.shown()[2].text, "/ras/start");
    EXPECT_EQ(form.Gather().textureFile, fly + "x.tga");
    EXPECT_EQ(form.Gather().elevationData, "/ras/alps");
    EXPECT_EQ(form.Gather().podFile, "");
}

TEST_F(SlicerWindow, StartingTheSlicer) {
    AppSettings().Fly2SlicePath = fly + "nowhere/fly2slice.exe";
    dialogs.AnswerFile(fly + "in.txt");
    Click(form, "BtnStartSlicer");
    EXPECT_EQ(dialogs.shown()[0].caption, "Sélectionner lefihcier d''entrée pour Fly2Slice");
    EXPECT_EQ(dialogs.shown()[0].text, fly);
    EXPECT_EQ(dialogs.Texts(),
              QStringList{"fly2slice.exe recherché mais non trouvé >>>" + fly + "fly2slice.exe"});
    EXPECT_EQ(AppSettings().Fly2SlicePath, fly + "fly2slice.exe");

    // A stand-in slicer that records how it was started.
    ASSERT_TRUE(QDir(fly).mkpath("SlicerWork/Slicer Files"));
    ASSERT_TRUE(WriteFileAtomic(fly + "fly2slice.exe", "#!/bin/sh\necho \"$@\" > \"$PWD/started.txt\"\n"));
    QFile(fly + "fly2slice.exe").setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    dialogs.Clear();
    dialogs.AnswerFile(fly + "SlicerWork/Slicer Files/in.txt");
    Click(form, "BtnStartSlicer");
    EXPECT_EQ(dialogs.shown()[0].text, fly + "SlicerWork/Slicer Files/");
    EXPECT_EQ(dialogs.Texts(), QStringList());
    const QByteArray expected = "-i " + (fly + "SlicerWork/Slicer Files/in.txt").toUtf8() + "\n";
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return ReadWholeFile(fly + "started.txt").value_or("<missing>") == expected; }, 10000))
        << ReadWholeFile(fly + "started.txt").value_or("(not started)").toStdString();
}

TEST(CoordinateDialog, ConvertsAtEveryKeystrokeAndKeepsItsEntries) {
    ScriptedDialogs dialogs;
    TFCutLLInput coordinates;
    TF2sInputForm form;
    form.SetCoordinatesDialog(coordinates);
    TFCutLLInput* dialog = &coordinates;
    EXPECT_EQ(dialog->windowTitle(), "FCutLLInput");

    QTest::keyClicks(Find<QLineEdit>(*dialog, "EditC1Lat"), "N 47 30 0");
    EXPECT_EQ(Find<QLineEdit>(*dialog, "OutC1Lat")->text(), "47.500000000000000000");
    QTest::keyClicks(Find<QLineEdit>(*dialog, "EditC1Lon"), "W7.25");
    EXPECT_EQ(Find<QLineEdit>(*dialog, "OutC1Lon")->text(), "-7.250000000000000000");
    QTest::keyClicks(Find<QLineEdit>(*dialog, "EditC3Lat"), "N48");
    QTest::keyClicks(Find<QLineEdit>(*dialog, "EditC3Lat"), ".");
    EXPECT_EQ(dialogs.Texts(), QStringList()); // "48." reads as 48
    Find<QLineEdit>(*dialog, "EditC3Lat")->setText("N 4.5 1 1");
    EXPECT_EQ(dialogs.Texts(), QStringList{"'4.5' is not a valid integer value"});
    EXPECT_EQ(Find<QLineEdit>(*dialog, "OutC3Lat")->text(), "48.000000000000000000"); // kept

    // OK needs all four outputs.
    RunModal(*dialog, [&] { Click(form, "BtnTexLatLon"); }, [&] {
        Click(*dialog, "BtnOK");
        QTest::keyClicks(Find<QLineEdit>(*dialog, "EditC3Lon"), "E8.5");
        Click(*dialog, "BtnOK");
    });
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialogs.Texts().last(), "Valeurs valides manquantes - appuyer sur un autre bouton!");
    const SlicerSettings s = form.Gather();
    EXPECT_EQ(QStringList({s.textureLowerLeftLat, s.textureLowerLeftLon, s.textureUpperRightLat,
                           s.textureUpperRightLon}),
              QStringList({"47.500000000000000000", "-7.250000000000000000", "48.000000000000000000",
                           "8.500000000000000000"}));

    // The next use starts from the same entries; leaving without values changes nothing.
    Find<QCheckBox>(form, "CBElevCreate")->click();
    RunModal(*dialog, [&] { Click(form, "BtnElevLatLon"); }, [&] {
        EXPECT_EQ(Find<QLineEdit>(*dialog, "EditC3Lon")->text(), "E8.5");
        Click(*dialog, "BtnExit");
    });
    EXPECT_EQ(form.Gather().elevationLowerLeftLat, "");
    RunModal(*dialog, [&] { Click(form, "BtnElevLatLon"); }, [&] { Click(*dialog, "BtnOK"); });
    EXPECT_EQ(form.Gather().elevationUpperRightLon, "8.500000000000000000");
}
