#include "shell/Preferences.h"

#include "fs/FileUtils.h"
#include "shell/OwnFilesFolder.h"
#include "shell/Settings.h"

#include <QList>

namespace {

const QString Header = QStringLiteral("<FlyKestrel 1.7>");

// Lines 2 to 15 of the file, in order.
QList<QString Settings::*> StoredLines() {
    return {&Settings::DLLPath,
            &Settings::PythonPath,
            &Settings::FlyIniPath,
            &Settings::RenderIniPath,
            &Settings::FlyStartPath,
            &Settings::FlyExePath,
            &Settings::SpareSetting,
            &Settings::Fly2SliceFolder,
            &Settings::DLLFolderHolder,
            &Settings::Fly2SlicePath,
            &Settings::TGAPath,
            &Settings::RASPath,
            &Settings::InstallSourceFolder,
            &Settings::ExternalSceneryFolder};
}

} // namespace

QString PreferencesFile() {
    return OwnFilesFolder(AppSettings().ProgramFolder) + QStringLiteral("FlyKestrel.prf");
}

void StartUpSettings(const QString& programFolder, const QString& startArgument) {
    Settings& s = AppSettings();
    s.ProgramFolder = WithBackslash(programFolder);
    s.StartArgument = startArgument;
    s.SceneryListFolder.clear();
    s.CopySourceFolder.clear();
    s.CopyTargetFolder.clear();
    s.HelpMemoFlag = true;
    // Without a file that can be read, the settings stay empty, as at the first start, without a word.
    (void)ReadPreferences(PreferencesFile());
}

// The first line is a header that is never checked: a file with another first line reads the same.
Done ReadPreferences(const QString& file) {
    const Result<QStringList> lines = LoadListFromFile(file);
    if (!lines)
        return lines.failure();
    const QList<QString Settings::*> stored = StoredLines();
    for (qsizetype i = 0; i < stored.size(); ++i)
        AppSettings().*stored[i] = lines->value(i + 1);
    return {};
}

Done WritePreferences(const QString& file) {
    QStringList lines{Header};
    for (QString Settings::*setting : StoredLines())
        lines << AppSettings().*setting;
    return SaveListToFile(file, lines);
}
