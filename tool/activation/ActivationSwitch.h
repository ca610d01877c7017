#pragma once

#include "activation/ActivationEntry.h"
#include "fs/Tally.h"

#include <QList>
#include <QString>

enum class ActivationKind { Dll, Script, Scenery };

// What OK of an activation window hands over.
struct ActivationList final {
    ActivationKind kind = ActivationKind::Dll;
    QString folder; // the window's folder label: where the entries are looked up
    QString root;   // the folder the list belongs to (DLL or script folder, chosen scenery folder)
    ActivationEntries entries;
};

// The operation as the main window names it: "Activation *.DLL", "Activation *.PY/PYC", "Activation
// [scènes]".
QString ActivationName(ActivationKind kind);

// Renames each entry's file to the state its mark asks for, never over an existing file (such a name clash
// is skipped without a word). Files outside root are left alone. The number of files renamed, and each
// rename refused or failed (one outside root is refused).
Tally ApplyActivation(const ActivationList& list);
