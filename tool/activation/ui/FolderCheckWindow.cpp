#include "activation/ui/FolderCheckWindow.h"

#include "shell/Settings.h"

FolderCheckWindow::FolderCheckWindow(ActivationKind kind, const Texts& texts, QString Settings::*folder,
                                     Lister list, QWidget* parent)
    : ActivationWindow(kind, texts, parent), folder_(folder), list_(list) {}

void FolderCheckWindow::FillList() {
    QString label = FolderLabel();
    const ActivationEntries entries = list_(AppSettings().*folder_, label);
    SetFolderLabel(label);
    SetEntries(entries);
}

QString FolderCheckWindow::RootFolder() const {
    return AppSettings().*folder_;
}
