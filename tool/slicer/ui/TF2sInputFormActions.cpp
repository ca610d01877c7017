// The actions of the slicer window and the exchange between its controls and SlicerSettings.
#include "slicer/ui/TF2sInputForm.h"

#include "journal/JournalScope.h"
#include "shell/Dialogs.h"
#include "shell/Settings.h"
#include "shell/ui/StartSlicer.h"
#include "slicer/SlicerFileActions.h"
#include "slicer/SlicerFiles.h"
#include "slicer/ui/TFCutLLInput.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QSpinBox>

namespace {

QString NoFileChosen() {
    return TF2sInputForm::tr("Aucun fichier sélectionné!");
}

void ShowNotWritten(const Failure& failure) {
    ShowError(
        TF2sInputForm::tr("Erreur d'entrée/sortie : impossible d'écrire le fichier %1").arg(failure.path));
}

// The file work of one button, journaled under its caption.
template <typename Work> auto JournaledAs(const char* operation, const Work& work) {
    const JournalScope journal(AppSettings().FlyFolder, QString::fromUtf8(operation));
    return work();
}

// Each control of the window by its object name, with the value it holds.
template <typename T> struct Field final {
    const char* control;
    T SlicerSettings::*field;
};
using S = SlicerSettings;
const Field<bool> FlagFields[] = {
    {"CBTexCreate", &S::texturesCreate},    {"CBTexDistance", &S::texturesDistance},
    {"CBTexNight", &S::nightCreate},        {"CBWaterMask", &S::waterMask},
    {"CBWaterPure", &S::waterPure},         {"CBKeepExisting", &S::keepExisting},
    {"CBElevCreate", &S::elevationsCreate}, {"CBGlobeTile", &S::globeTileEnabled},
    {"CBPodCreate", &S::podCreate},
};
const Field<int> NumberFields[] = {
    {"SENightCutoff", &S::nightCutoff},     {"SESamplesX", &S::samplesX},
    {"SESamplesY", &S::samplesY},           {"SESubTolerance", &S::subdivideTolerance},
    {"SESubDensity", &S::subdivideDensity}, {"SEGlobeX", &S::globeTileX},
    {"SEGlobeZ", &S::globeTileZ},
};
const Field<QString> TextFields[] = {
    {"EditTGA", &S::textureFile},
    {"EditTexLLLat", &S::textureLowerLeftLat},
    {"EditTexLLLon", &S::textureLowerLeftLon},
    {"EditTexURLat", &S::textureUpperRightLat},
    {"EditTexURLon", &S::textureUpperRightLon},
    {"EditRAS", &S::elevationData},
    {"EditElevLLLat", &S::elevationLowerLeftLat},
    {"EditElevLLLon", &S::elevationLowerLeftLon},
    {"EditElevURLat", &S::elevationUpperRightLat},
    {"EditElevURLon", &S::elevationUpperRightLon},
    {"EditPod", &S::podFile},
};

} // namespace

SlicerSettings TF2sInputForm::Gather() const {
    SlicerSettings s;
    for (const auto& [name, field] : FlagFields)
        s.*field = findChild<QCheckBox*>(QLatin1String(name))->isChecked();
    for (const auto& [name, field] : NumberFields)
        s.*field = findChild<QSpinBox*>(QLatin1String(name))->value();
    for (const auto& [name, field] : TextFields)
        s.*field = findChild<QLineEdit*>(QLatin1String(name))->text();
    return s;
}

void TF2sInputForm::Apply(const SlicerSettings& s) {
    for (const auto& [name, field] : FlagFields)
        findChild<QCheckBox*>(QLatin1String(name))->setChecked(s.*field);
    for (const auto& [name, field] : NumberFields)
        findChild<QSpinBox*>(QLatin1String(name))->setValue(s.*field);
    for (const auto& [name, field] : TextFields)
        findChild<QLineEdit*>(QLatin1String(name))->setText(s.*field);
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
    if (file.isEmpty()) {
        ShowInfo(NoFileChosen());
        return;
    }
    const Tally written = JournaledAs(QT_TRANSLATE_NOOP("Operation", "Créer FLY!2 Slicerfile"),
                                      [&] { return WriteSlicerInput(file, settings); });
    if (written.made > 0)
        ShowInfo(TF2sInputForm::tr("Slicer-InputFile written to >>> %1").arg(file));
    for (const Failure& failure : written.failed)
        ShowNotWritten(failure);
}

void TF2sInputForm::WriteSceneryControlClick() {
    const SlicerSettings settings = Gather();
    if (const QString missing = MissingForSceneryControl(settings); !missing.isEmpty()) {
        ShowInfo(missing);
        return;
    }
    const Result<QStringList> lines = SceneryControlLines(settings);
    if (!lines) {
        ShowError(lines.failure().reason);
        return;
    }
    const QString path = SceneryControlPath(settings.podFile, AppSettings().FlyFolder);
    if (const Done written = JournaledAs(QT_TRANSLATE_NOOP("Operation", "Ecrire fichier *.SCF"),
                                         [&] { return WriteLines(path, *lines); });
        !written)
        ShowNotWritten({path, written.failure().reason});
    else
        ShowInfo(TF2sInputForm::tr("Fichier SCF enregistré vers >>>%1").arg(path));
}

void TF2sInputForm::SaveValuesClick() {
    QString start = AppSettings().FlyFolder;
    const QString file = PickFile(start, QStringLiteral("FTV"),
                                  TF2sInputForm::tr("Enregistre les valeurs du ficheir d''entrées"),
                                  TF2sInputForm::tr("Enregistre les valeurs (*.ftv)|*.FTV"));
    if (file.isEmpty()) {
        ShowInfo(NoFileChosen());
        return;
    }
    if (const Done saved = JournaledAs(QT_TRANSLATE_NOOP("Operation", "Enregistrer valeurs"),
                                       [&] { return SaveValues(file, Gather()); });
        !saved)
        ShowNotWritten(saved.failure());
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
    const Result<QStringList> lines = ReadValuesFile(file);
    if (!lines) {
        ShowError(TF2sInputForm::tr("Erreur d'entrée/sortie : impossible de lire le fichier %1").arg(file));
        return;
    }
    const Result<std::optional<SlicerSettings>> read = ReadValuesLines(*lines);
    if (!read)
        ShowError(read.failure().reason);
    else if (!*read)
        ShowInfo(TF2sInputForm::tr("Format de fichier erroné - pas un fichier FlyKestrel"));
    else
        Apply(**read);
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
    (void)StartSlicer(file, ShowInfo); // whether it started changes nothing here
}
