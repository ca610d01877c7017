#include "activation/ui/TF_checkpy.h"

#include "activation/ActivationListing.h"
#include "shell/Settings.h"

TF_checkpy::TF_checkpy(QWidget* parent)
    : FolderCheckWindow(
          ActivationKind::Script,
          {QT_TRANSLATE_NOOP("ActivationWindow", "ACTIVATION des fichiers Python de FLY!2 ON/OFF"),
           QT_TRANSLATE_NOOP("ActivationWindow", "COCHEES = PY-C ACTIVES // NON COCHEES = PY-C INACTIVES"),
           "PYCheckListBox", QT_TRANSLATE_NOOP("ActivationWindow", "Fichiers Python (cochés = actifs)"),
           QT_TRANSLATE_NOOP("ActivationWindow", "Tout COCHER"),
           QT_TRANSLATE_NOOP("ActivationWindow", "Tout DECOCHER")},
          &Settings::PythonPath, ListScriptEntries, parent) {
    setObjectName(QStringLiteral("TF_checkpy"));
}
