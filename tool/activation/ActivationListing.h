#pragma once

#include "activation/ActivationEntry.h"

#include <QString>

// Filling the activation lists from the folders, subfolders included. Active files come checked,
// inactive ones (".notused") unchecked; entries keep the listing order until SortEntries.

// The DLLs under dllPath as bare names. When at least two active DLLs are found, folderLabel becomes
// the folder of the first one (with '/'); otherwise it keeps its text, or becomes dllPath (with '/')
// when it has none. Empty dllPath: no entries.
ActivationEntries ListDllEntries(const QString& dllPath, QString& folderLabel);
// The scripts under pythonPath as bare names: *.pyc, *.pyc.notused, *.py, *.py.notused; the *.pyc
// listing decides folderLabel as for the DLLs.
ActivationEntries ListScriptEntries(const QString& pythonPath, QString& folderLabel);
// The scenery files under folder as paths relative to it: *.pod, *.pod.notused, *.scf, *.scf.notused.
ActivationEntries ListSceneryEntries(const QString& folder);

// The order the lists show: by name without regard to case, each mark staying with its entry.
void SortEntries(ActivationEntries& entries);
// Unchecks the first entry equal (any case) to each of the critical DLLs, active or inactive.
void UncheckCriticalDlls(ActivationEntries& entries);
