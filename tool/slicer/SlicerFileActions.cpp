#include "slicer/SlicerFileActions.h"

#include "fs/NativeFs.h"
#include "slicer/ConvertError.h"
#include "slicer/SlicerFiles.h"

namespace {

QString WriteErrorMessage(const QString& path) {
    return QStringLiteral("Erreur d'entrée/sortie : impossible d'écrire le fichier ") + path;
}

QString ReadErrorMessage(const QString& path) {
    return QStringLiteral("Erreur d'entrée/sortie : impossible de lire le fichier ") + path;
}

SlicerOutcome WrittenOrError(const QString& path, const QStringList& lines, const QString& info) {
    if (!WriteLines(path, lines))
        return SlicerOutcome::Error(WriteErrorMessage(path));
    return SlicerOutcome::Info(info);
}

} // namespace

SlicerOutcome WriteSlicerInput(const QString& file, const SlicerSettings& settings) {
    const QStringList lines = SlicerInputLines(settings);
    SlicerOutcome outcome =
        WrittenOrError(file, lines, QStringLiteral("Slicer-InputFile written to >>> ") + file);
    const QString copy = SlicerInputCopyPath(file);
    if (outcome.error.isEmpty() && !copy.isEmpty() && !WriteLines(copy, lines))
        outcome.error = WriteErrorMessage(copy);
    return outcome;
}

SlicerOutcome WriteSceneryControl(const SlicerSettings& settings, const QString& flyFolder) {
    if (const QString missing = MissingForSceneryControl(settings); !missing.isEmpty())
        return SlicerOutcome::Info(missing);
    try {
        const QStringList lines = SceneryControlLines(settings);
        const QString path = SceneryControlPath(settings.podFile, flyFolder);
        return WrittenOrError(path, lines, QStringLiteral("Fichier SCF enregistré vers >>>") + path);
    } catch (const ConvertError& error) {
        return SlicerOutcome::Error(error.message());
    }
}

SlicerOutcome SaveValues(const QString& file, const SlicerSettings& settings) {
    return WrittenOrError(file, ValuesFileLines(settings), {});
}

SlicerOutcome LoadValues(const QString& file) {
    const std::optional<QByteArray> bytes = ReadWholeFile(file);
    if (!bytes)
        return SlicerOutcome::Error(ReadErrorMessage(file));
    try {
        if (std::optional<SlicerSettings> settings = ReadValuesLines(SplitValuesLines(*bytes)))
            return SlicerOutcome::Loaded(*settings);
        return SlicerOutcome::Info(QStringLiteral("Format de fichier erroné - pas un fichier FlyKestrel"));
    } catch (const ConvertError& error) {
        return SlicerOutcome::Error(error.message());
    }
}
