#pragma once

#include "shell/DialogService.h"

class TFSelDirDlg;
class TFormKestrelTools;

// The real message boxes and dialogs of the tool. While a box is shown, the tool's stay-on-top windows
// are lowered so that they can't cover it.
class QtDialogService final : public DialogService {
public:
    QtDialogService(TFSelDirDlg& folderDialog, TFormKestrelTools& fileDialogHolder);

    void Message(const QString& text, const QString& caption) override;
    bool Question(const QString& text, const QString& caption) override;
    void Error(const QString& text) override;
    QString SelectFolder(const QString& start) override;
    QString PickFile(const QString& startFolder, const QString& defaultExtension, const QString& title,
                     const QString& filter) override;

private:
    TFSelDirDlg& folderDialog_;
    TFormKestrelTools& fileDialogHolder_;
};
