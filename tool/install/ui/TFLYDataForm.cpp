#include "install/ui/TFLYDataForm.h"

#include "fs/Outcome.h"
#include "install/DataFolderSave.h"
#include "install/ui/InstallWidgets.h"
#include "journal/JournalScope.h"
#include "shell/Settings.h"
#include "shell/ui/ShowOutcome.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The boxes of a save or restore: the older save renamed first, each step that failed, or done.
Outcome Boxes(const DataFolderSave& did, const QString& done) {
    Outcome outcome;
    if (did.olderSaveRenamed)
        outcome = Outcome::Info(
            QCoreApplication::translate(
                "DataFolderSave", "Le répertoire [data-save] existe déja! - le renommez [data-save$$$] ?"),
            QCoreApplication::translate("DataFolderSave", "Information:"));
    for (const Failure& failure : did.failed)
        outcome += Outcome::Error(failure.reason);
    if (did.failed.isEmpty())
        outcome += Outcome::Info(
            done, QCoreApplication::translate("DataFolderSave", "Répertoire [BUP] automatique"));
    return outcome;
}

} // namespace

TFLYDataForm::TFLYDataForm(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("TFLYDataForm");
    setWindowTitle(TFLYDataForm::tr("Sauvegarder le répertoire [DATA] de Fly!2 avant \"Slice\""));

    auto* save = MakeButton("ButtonSave", TFLYDataForm::tr("Enregistrement auto. [DATA]"));
    auto* restore = MakeButton("ButtonRestore", TFLYDataForm::tr("Restauration auto. [DATA]"));
    auto* back = MakeButton("ButtonBack", TFLYDataForm::tr("Retour"));
    connect(save, &QPushButton::clicked, this, &TFLYDataForm::SaveClick);
    connect(restore, &QPushButton::clicked, this, &TFLYDataForm::RestoreClick);
    connect(back, &QPushButton::clicked, this, &QWidget::hide);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(back);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeLabel(
        "LabelIntro",
        TFLYDataForm::tr(
            "Avant de créer une scène avec fly2slice, le répertoire [DATA] de Fly!2 doit être sauvegardé : "
            "un nouveau répertoire [data] vide est créé pour le travail du slicer. Après le slice, ce "
            "répertoire est mis de côté et le répertoire sauvegardé est restauré avec les boutons "
            "ci-dessous.")));
    layout->addWidget(
        BuildGroup("GroupSave", "LabelSave", TFLYDataForm::tr("Enregistrement"),
                   TFLYDataForm::tr("Enregistre votre répertoire [DATA] de Fly! et crée un nouveau "
                                    "répertoire [data] vide, si ce répertoire n'existe pas encore"),
                   save));
    layout->addWidget(BuildGroup(
        "GroupRestore", "LabelRestore", TFLYDataForm::tr("Restauration"),
        TFLYDataForm::tr(
            "Vous êtes averti : n'utilisez cette fonction que si vous êtes sur que votre répertoire "
            "[DATA] n'a pas de données importantes. [DATA] sera enregistrer sous [DATA$$$], [DATA-save] "
            "renommé [DATA] Vous pouvez supprimer [DATA$$$] plus tard manuellement !"),
        restore));
    layout->addStretch();
    layout->addLayout(buttons);
    resize(600, 400);
}

QWidget* TFLYDataForm::BuildGroup(const char* name, const char* labelName, const QString& title,
                                  const QString& text, QWidget* button) {
    auto* group = new QGroupBox(title);
    group->setObjectName(QLatin1String(name));
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(MakeLabel(labelName, text));
    layout->addWidget(button, 0, Qt::AlignLeft);
    return group;
}

void TFLYDataForm::SaveClick() {
    DataFolderSave saved;
    {
        const JournalScope journal(AppSettings().FlyFolder, QString::fromUtf8(QT_TRANSLATE_NOOP(
                                                                "Operation", "Enregistrement auto. [DATA]")));
        saved = SaveDataFolder(AppSettings().FlyExePath);
    }
    ShowOutcome(Boxes(
        saved, QCoreApplication::translate(
                   "DataFolderSave", "Ancien [data] enregistré sous [data-save]. Nouveau [data] créé!")));
}

void TFLYDataForm::RestoreClick() {
    DataFolderSave restored;
    {
        const JournalScope journal(AppSettings().FlyFolder, QString::fromUtf8(QT_TRANSLATE_NOOP(
                                                                "Operation", "Restauration auto. [DATA]")));
        restored = RestoreDataFolder(AppSettings().FlyExePath);
    }
    ShowOutcome(Boxes(
        restored, QCoreApplication::translate(
                      "DataFolderSave", "[data] enregistré sous [data$$$]. [data-save] renommé [data]!")));
}
