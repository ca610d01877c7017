#pragma once

#include <QString>

class DialogService;

// Installs the service that all the functions below use; returns the previous one.
DialogService* SetDialogService(DialogService* service);
DialogService& Dialogs();

// An OK box with an empty caption.
void ShowInfo(const QString& text);
// A Yes/No box with an empty caption; true for Yes.
bool AskYesNo(const QString& text);
// The application's error box.
void ShowError(const QString& text);
// The folder dialog; empty when cancelled.
QString SelectFolder(const QString& start);
// The shared open dialog. defaultExtension is cut to three characters; on a choice, startFolder (a setting
// of the caller) becomes the chosen file's folder with a trailing '/'. Empty when nothing was chosen.
QString PickFile(QString& startFolder, const QString& defaultExtension, const QString& title, const QString& filter);
