// The actions of the slicer window and the exchange between its controls and SlicerSettings.
#include "slicer/ui/TF2sInputForm.h"

#include "journal/JournalScope.h"
#include "shell/Dialogs.h"
#include "shell/Settings.h"
#include "shell/SlicerLaunch.h"
#include "shell/ui/ShowOutcome.h"
#include "slicer/SlicerFileActions.h"
#include "slicer/SlicerFiles.h"
#include "slicer/ui/TFCutLLInput.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QSpinBox>

#include <functional>

namespace {

QString NoFileChosen() {
    return TF2sInputForm::tr("Aucun fichier sélectionné!");
}

// The file work of one button, journaled under its caption.
Outcome JournaledAs(const QString& operation, const std::function<Outcome()>& work) {
    const JournalScope journal(AppSettings().FlyFolder, operation);
    return work();
}

} // namespace

SlicerSettings TF2sInputForm::Gather() const {
    SlicerSettings s;
    s.texturesCreate = texturesCreate_->isChecked();
    s.texturesDistance = texturesDistance_->isChecked();
    s.nightCreate = nightCreate_->isChecked();
    s.nightCutoff = nightCutoff_->value();
    s.waterMask = waterMask_->isChecked();
    s.waterPure = waterPure_->isChecked();
    s.textureFile = textureFile_->text();
    s.textureLowerLeftLat = textureCorners_.lowerLeftLat->text();
    s.textureLowerLeftLon = textureCorners_.lowerLeftLon->text();
    s.textureUpperRightLat = textureCorners_.upperRightLat->text();
    s.textureUpperRightLon = textureCorners_.upperRightLon->text();
    s.keepExisting = keepExisting_->isChecked();
    s.elevationsCreate = elevationsCreate_->isChecked();
    s.elevationData = elevationData_->text();
    s.samplesX = samplesX_->value();
    s.samplesY = samplesY_->value();
    s.elevationLowerLeftLat = elevationCorners_.lowerLeftLat->text();
    s.elevationLowerLeftLon = elevationCorners_.lowerLeftLon->text();
    s.elevationUpperRightLat = elevationCorners_.upperRightLat->text();
    s.elevationUpperRightLon = elevationCorners_.upperRightLon->text();
    s.subdivideTolerance = subdivideTolerance_->value();
    s.subdivideDensity = subdivideDensity_->value();
    s.globeTileEnabled = globeTile_->isChecked();
    s.globeTileX = globeTileX_->value();
    s.globeTileZ = globeTileZ_->value();
    s.podCreate = podCreate_->isChecked();
    s.podFile = podFile_->text();
    return s;
}

void TF2sInputForm::Apply(const SlicerSettings& s) {
    texturesCreate_->setChecked(s.texturesCreate);
    texturesDistance_->setChecked(s.texturesDistance);
    nightCreate_->setChecked(s.nightCreate);
    nightCutoff_->setValue(s.nightCutoff);
    waterMask_->setChecked(s.waterMask);
    waterPure_->setChecked(s.waterPure);
    textureFile_->setText(s.textureFile);
    textureCorners_.lowerLeftLat->setText(s.textureLowerLeftLat);
    textureCorners_.lowerLeftLon->setText(s.textureLowerLeftLon);
    textureCorners_.upperRightLat->setText(s.textureUpperRightLat);
    textureCorners_.upperRightLon->setText(s.textureUpperRightLon);
    keepExisting_->setChecked(s.keepExisting);
    elevationsCreate_->setChecked(s.elevationsCreate);
    elevationData_->setText(s.elevationData);
    samplesX_->setValue(s.samplesX);
    samplesY_->setValue(s.samplesY);
    elevationCorners_.lowerLeftLat->setText(s.elevationLowerLeftLat);
    elevationCorners_.lowerLeftLon->setText(s.elevationLowerLeftLon);
    elevationCorners_.upperRightLat->setText(s.elevationUpperRightLat);
    elevationCorners_.upperRightLon->setText(s.elevationUpperRightLon);
    subdivideTolerance_->setValue(s.subdivideTolerance);
    subdivideDensity_->setValue(s.subdivideDensity);
    globeTile_->setChecked(s.globeTileEnabled);
    globeTileX_->setValue(s.globeTileX);
    globeTileZ_->setValue(s.globeTileZ);
    podCreate_->setChecked(s.podCreate);
    podFile_->setText(s.podFile);
}

void TF2sInputForm::ReadTgaClick() {
    QString start = AppSettings().FlyFolder;
    const QString file =
        PickFile(start, QStringLiteral("TGA"), TF2sInputForm::tr("Sélectionner le fichier TGA"),
                 TF2sInputForm::tr("TGA Graphicfiles (*.tga)|*.TGA"));
    if (file.isEmpty())
        ShowInfo(TF2sInputForm::tr("Fichier TGA non sélectionné!"));
    else
        textureFile_->setText(file);
}

void TF2sInputForm::ReadRasClick() {
    const QString folder = SelectFolder(AppSettings().RASPath);
    if (folder.isEmpty())
        ShowInfo(TF2sInputForm::tr("Fichier RASs non sélectionné!"));
    else
        elevationData_->setText(folder);
}

void TF2sInputForm::TexturesLatLonClick() {
    AskCorners(textureCorners_);
}

void TF2sInputForm::ElevationsLatLonClick() {
    AskCorners(elevationCorners_);
}

void TF2sInputForm::AskCorners(const Corners& corners) {
    if (coordinates_->exec() != QDialog::Accepted)
        return;
    const QStringList values = coordinates_->Outputs();
    corners.lowerLeftLat->setText(values[0]);
    corners.lowerLeftLon->setText(values[1]);
    corners.upperRightLat->setText(values[2]);
    corners.upperRightLon->setText(values[3]);
}

void TF2sInputForm::PodNameClick() {
    QString start = AppSettings().FlyFolder;
    const QString file =
        PickFile(start, QStringLiteral("POD"), TF2sInputForm::tr("Ecriture fichier POD pour Fly2"),
                 TF2sInputForm::tr("FLY Pod-File (*.pod)|*.POD"));
    if (!file.isEmpty())
        podFile_->setText(file);
}

void TF2sInputForm::WriteSlicerFileClick() {
    const SlicerSettings settings = Gather();
    if (const QString missing = MissingForSlicerInput(settings); !missing.isEmpty()) {
        ShowInfo(missing);
        return;
    }
    ShowInfo(TF2sInputForm::tr(
        "Pour éviter les erreurs placez ce fichier dans le réprtoire de base de Fly! ou est "
        "situé fly2sclice.exe!"));
    QString start = AppSettings().FlyFolder;
    const QString file =
        PickFile(start, QStringLiteral("TXT"), TF2sInputForm::tr("Sélectionner le nom du fichier Fly2Slice"),
                 TF2sInputForm::tr("Fichier d''entrée Fly2Slice (*.txt)|*.TXT"));
    if (file.isEmpty())
        ShowInfo(NoFileChosen());
    else
        ShowOutcome(JournaledAs(QString::fromUtf8(QT_TRANSLATE_NOOP("Operation", "Créer FLY!2 Slicerfile")),
                                [&] { return WriteSlicerInput(file, settings); }));
}

void TF2sInputForm::WriteSceneryControlClick() {
    ShowOutcome(JournaledAs(QString::fromUtf8(QT_TRANSLATE_NOOP("Operation", "Ecrire fichier *.SCF")),
                            [this] { return WriteSceneryControl(Gather(), AppSettings().FlyFolder); }));
}

void TF2sInputForm::SaveValuesClick() {
    QString start = AppSettings().FlyFolder;
    const QString file = PickFile(start, QStringLiteral("FTV"),
                                  TF2sInputForm::tr("Enregistre les valeurs du ficheir d''entrées"),
                                  TF2sInputForm::tr("Enregistre les valeurs (*.ftv)|*.FTV"));
    if (file.isEmpty())
        ShowInfo(NoFileChosen());
    else
        ShowOutcome(JournaledAs(QString::fromUtf8(QT_TRANSLATE_NOOP("Operation", "Enregistrer valeurs")),
                                [&] { return SaveValues(file, Gather()); }));
}

void TF2sInputForm::LoadValuesClick() {
    QString start = AppSettings().FlyFolder;
    const QString file =
        PickFile(start, QStringLiteral("FTV"), TF2sInputForm::tr("Charge les valeurs du fichiers d''entrée"),
                 TF2sInputForm::tr("Charge les valeurs (*.ftv)|*.FTV"));
    if (file.isEmpty()) {
        ShowInfo(NoFileChosen());
        return;
    }
    if (const Result<SlicerSettings, Outcome> loaded = LoadValues(file); loaded)
        Apply(*loaded);
    else
        ShowOutcome(loaded.failure());
}

void TF2sInputForm::StartSlicerClick() {
    QString start = SlicerFilesFolder(AppSettings().FlyFolder);
    const QString file = PickFile(start, QStringLiteral("TXT"),
                                  TF2sInputForm::tr("Sélectionner lefihcier d''entrée pour Fly2Slice"),
                                  TF2sInputForm::tr("Slicer Inputfile (*.txt)|*.TXT"));
    if (file.isEmpty()) {
        ShowInfo(TF2sInputForm::tr("Aucun fichier sélectionné"));
        return;
    }
    // This window tells why the slicer didn't start in an information box, whichever the reason.
    if (const Result<void, Outcome> started = StartFly2Slice(AppSettings(), file); !started.failure().ok())
        ShowInfo(started.failure().text());
}
