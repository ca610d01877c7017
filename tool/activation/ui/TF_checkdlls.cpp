#include "activation/ui/TF_checkdlls.h"

#include "activation/ActivationListing.h"
#include "shell/Settings.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>

TF_checkdlls::TF_checkdlls(QWidget* parent)
    : FolderCheckWindow(
          ActivationKind::Dll,
          {QT_TRANSLATE_NOOP("ActivationWindow", "ACTIVATION des fichiers DLL de FLY!2 ON/OFF"),
           QT_TRANSLATE_NOOP("ActivationWindow", "COCHEES = DLL ACTIVES // NON COCHEES = DLL INACTIVES"),
           "DLLCheckListBox", QT_TRANSLATE_NOOP("ActivationWindow", "Fichiers DLL (cochés = actifs)"),
           QT_TRANSLATE_NOOP("ActivationWindow", "Tout COCHER"),
           QT_TRANSLATE_NOOP("ActivationWindow", "Tout DECOCHER")},
          &Settings::DLLPath, ListDllEntries, parent) {
    setObjectName(QStringLiteral("TF_checkdlls"));
    auto* button = new QPushButton(tr("DECOCHER DLL CRITIQUES"));
    button->setObjectName(QStringLiteral("Button5"));
    connect(button, &QPushButton::clicked, this, &TF_checkdlls::Button5Click);
    ExtraRow()->addWidget(button);
    ExtraRow()->addWidget(new QLabel(tr("DLL critiques :\nFly2Lan.dll, FlyGpsOut.dll, gps.dll")), 1);
}

void TF_checkdlls::Button5Click() {
    ActivationEntries entries = Entries();
    UncheckCriticalDlls(entries);
    SetEntries(entries);
}
