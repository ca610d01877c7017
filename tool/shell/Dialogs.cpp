#include "shell/Dialogs.h"

#include "shell/DialogService.h"

#include <QFileInfo>
#include <stdexcept>

namespace {
DialogService* current = nullptr;
}

DialogService* SetDialogService(DialogService* service) {
    DialogService* previous = current;
    current = service;
    return previous;
}

DialogService& Dialogs() {
    if (current == nullptr)
        throw std::logic_error("no dialog service installed");
    return *current;
}

void ShowInfo(const QString& text) { Dialogs().Message(text, QString()); }

bool AskYesNo(const QString& text) { return Dialogs().Question(text, QString()); }

void ShowError(const QString& text) { Dialogs().Error(text); }

QString SelectFolder(const QString& start) { return Dialogs().SelectFolder(start); }

QString PickFile(QString& startFolder, const QString& defaultExtension, const QString& title, const QString& filter) {
    const QString chosen = Dialogs().PickFile(startFolder, defaultExtension.left(3), title, filter);
    if (!chosen.isEmpty()) {
        QString folder = QFileInfo(chosen).path();
        if (!folder.endsWith('/'))
            folder += '/';
        startFolder = folder;
    }
    return chosen;
}
