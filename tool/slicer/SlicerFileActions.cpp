#include "slicer/SlicerFileActions.h"

#include "fs/NativeFs.h"
#include "slicer/ConvertError.h"
#include "slicer/SlicerFiles.h"

#include <QCoreApplication>

namespace {

QString WriteErrorMessage(const QString& path) {
    return QCoreApplication::translate("SlicerFileActions",
                                       "Erreur d'entrée/sortie : impossible d'écrire le fichier %1")
        .arg(path);
}

QString ReadErrorMessage(const QString& path) {
    return QCoreApplication::translate("SlicerFileActions",
                                       "Erreur d'entrée/sortie : impossible de lire le fichier %1")
        .arg(path);
}

Outcome WrittenOrError(const QString& path, const QStringList& lines, const QString& info) {
    if (!WriteLines(path, lines))
        return Outcome::Error(WriteErrorMessage(path));
    return info.isEmpty() ? Outcome() : Outcome::Info(info);
}

} // namespace

Outcome WriteSlicerInput(const QString& file, const SlicerSettings& settings) {
    const QStringList lines = SlicerInputLines(settings);
    Outcome outcome = WrittenOrError(
        file, lines,
        QCoreApplication::translate("SlicerFileActions", "Slicer-InputFile written to >>> %1").arg(file));
    const QString copy = SlicerInputCopyPath(file);
    if (outcome.box() != Outcome::Box::Error && !copy.isEmpty() && !WriteLines(copy, lines))
        outcome += Outcome::Error(WriteErrorMessage(copy));
    return outcome;
}

Outcome WriteSceneryControl(const SlicerSettings& settings, const QString& flyFolder) {
    if (const QString missing = MissingForSceneryControl(settings); !missing.isEmpty())
        return Outcome::Info(missing);
    try {
        const QStringList lines = SceneryControlLines(settings);
        const QString path = SceneryControlPath(settings.podFile, flyFolder);
        return WrittenOrError(
            path, lines,
            QCoreApplication::translate("SlicerFileActions", "Fichier SCF enregistré vers >>>%1").arg(path));
    } catch (const ConvertError& error) {
        return Outcome::Error(error.message());
    }
}

Outcome SaveValues(const QString& file, const SlicerSettings& settings) {
    return WrittenOrError(file, ValuesFileLines(settings), {});
}

Result<SlicerSettings, Outcome> LoadValues(const QString& file) {
    const Result<QByteArray> bytes = ReadWholeFile(file);
    if (!bytes)
        return Outcome::Error(ReadErrorMessage(file));
    try {
        if (std::optional<SlicerSettings> settings = ReadValuesLines(SplitValuesLines(*bytes)))
            return *settings;
        return Outcome::Info(QCoreApplication::translate(
            "SlicerFileActions", "Format de fichier erroné - pas un fichier FlyKestrel"));
    } catch (const ConvertError& error) {
        return Outcome::Error(error.message());
    }
}
