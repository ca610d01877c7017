#include "activation/ui/TF_checksceneries.h"

#include "activation/ActivationListing.h"
#include "shell/Dialogs.h"
#include "shell/Settings.h"

#include <QMetaObject>

TF_checksceneries::TF_checksceneries(QWidget* parent)
    : ActivationWindow(ActivationKind::Scenery,
                       {QT_TRANSLATE_NOOP("ActivationWindow", "ACTIVATION des scènes de FLY!2 ON/OFF"),
                        QT_TRANSLATE_NOOP("ActivationWindow",
                                          "COCHEES = Scènes ACTIVES // NON COCHEES = Scènes INACTIVES"),
                        "SceneCheckListBox",
                        QT_TRANSLATE_NOOP("ActivationWindow", "Fichiers de scènes (cochés = actifs)"),
                        QT_TRANSLATE_NOOP("ActivationWindow", "TOUT cocher"),
                        QT_TRANSLATE_NOOP("ActivationWindow", "Décocher TOUT")},
                       parent) {
    setObjectName(QStringLiteral("TF_checksceneries"));
}

void TF_checksceneries::FillList() {
    Settings& settings = AppSettings();
    if (settings.SceneryListFolder.isEmpty())
        settings.SceneryListFolder = settings.SceneryFolder;
    const QString chosen = SelectFolder(settings.SceneryListFolder);
    if (chosen.isEmpty()) {
        closeOnPaint_ = true;
        update();
        return;
    }
    settings.SceneryListFolder = chosen;
    SetFolderLabel(chosen);
    SetEntries(ListSceneryEntries(chosen));
    closeOnPaint_ = false;
}

QString TF_checksceneries::RootFolder() const {
    return FolderLabel();
}

// The folder dialog runs while the window is being shown, so the window can only go once it has painted.
void TF_checksceneries::paintEvent(QPaintEvent* event) {
    ActivationWindow::paintEvent(event);
    if (!closeOnPaint_)
        return;
    closeOnPaint_ = false;
    QMetaObject::invokeMethod(this, &QWidget::hide, Qt::QueuedConnection);
}
