#pragma once

#include <QString>

// Every message box and file or folder dialog of the tool goes through this interface. The window
// library installs the Qt implementation; tests install a scripted one that checks every text.
class DialogService {
public:
    virtual ~DialogService() = default;

    // A box with an OK button.
    virtual void Message(const QString& text, const QString& caption) = 0;
    // A box with Yes and No buttons; true for Yes.
    virtual bool Question(const QString& text, const QString& caption) = 0;
    // The application's standard error box, shown when an action fails with an error.
    virtual void Error(const QString& text) = 0;
    // The folder dialog TFSelDirDlg opened on start; the chosen folder, or empty when cancelled.
    virtual QString SelectFolder(const QString& start) = 0;
    // The shared open dialog (it accepts a name that doesn't exist yet); the full path, or empty.
    virtual QString PickFile(const QString& startFolder, const QString& defaultExtension, const QString& title,
                             const QString& filter) = 0;
};
