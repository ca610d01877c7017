#pragma once

#include "activation/ui/ActivationWindow.h"

struct Settings;

// An activation window over one folder of the settings whose files of a few extensions it lists (the
// DLLs, the scripts).
class FolderCheckWindow : public ActivationWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FolderCheckWindow)
  protected:
    // Lists the folder's files, and decides the folder label (see ActivationListing.h).
    using Lister = ActivationEntries (*)(const QString& folder, QString& folderLabel);

    FolderCheckWindow(ActivationKind kind, const Texts& texts, QString Settings::*folder, Lister list,
                      QWidget* parent);

    void FillList() override;
    QString RootFolder() const override;

  private:
    QString Settings::*folder_;
    Lister list_;
};
