#include "shell/ui/TOptionsForm.h"

#include "shell/Dialogs.h"
#include "journal/JournalScope.h"
#include "shell/MainActions.h"
#include "shell/Outcome.h"
#include "shell/Settings.h"
#include "shell/WineInstallations.h"
#include "shell/ui/ShowOutcome.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

TOptionsForm::TOptionsForm(QWidget* parent)
    : QDialog(parent), grid_(new QGridLayout), installations_(new QListWidget) {
    setObjectName("OptionsForm");
    setWindowTitle(QString::fromUtf8("Sélectionner le chemin"));
    setModal(true);

    const auto u8 = [](const char* text) { return QString::fromUtf8(text); };
    AddRow("BtnFLY2Exe", u8("FLY.EXE - Répertoire"), &PathFields::LblFLYPath, "LblFLYPath",
           u8("Chemin de fly2.exe"), &TOptionsForm::ChooseFlyExe);
    AddInfoRow("BtnDLLFolderHolder", u8("[PC](DLLs) Répertoire"), &PathFields::LblDLLFolderHolder,
               "LblDLLFolderHolder", u8("Répertoire contenant le répertoire des DLL"));
    AddInfoRow("BtnBMPPath", u8("DLL - Répertoire"), &PathFields::LblDLLPath, "LblDLLPath",
               u8("Répertoire des DLL"));
    AddInfoRow("BtnUBBMPPath", u8("PY/PYC - Répertoire"), &PathFields::LblPythonPath, "LblPythonPath",
               u8("Répertoire des scripts PY/PYC"));
    AddInfoRow("Button3", u8("FLY.INI Répertoire"), &PathFields::LblFlyIniPath, "LblFlyIniPath",
               u8("Chemin de fly.ini"));
    AddInfoRow("BtnSCFPath", u8("RENDER.INI Répertoire"), &PathFields::LblRenderIniPath, "LblRenderIniPath",
               u8("Chemin de render.ini"));
    AddRow("Button6", u8("Flystart.exe Répertoire"), &PathFields::LblFLYStartPath, "LblFLYStartPath",
           u8("Chemin de flystart.exe"), &TOptionsForm::ChooseFlyStart);
    AddRow("Button5", u8("Fly2slice.exe Répertoire"), &PathFields::LblFly2SlicerName, "LblFly2SlicerName",
           u8("Chemin de fly2slice.exe"), &TOptionsForm::ChooseFly2Slice);
    AddRow("BtnTGAPath", u8("*.TGA Répertoire"), &PathFields::LblTGAPath, "LblTGAPath",
           u8("Répertoire des *.TGA"), &TOptionsForm::ChooseTgaFolder);
    AddRow("BtnRASPath", u8("*.RAS Répertoire"), &PathFields::LblRASPath, "LblRASPath",
           u8("Répertoire des *.RAS"), &TOptionsForm::ChooseRasFolder);
    grid_->setColumnStretch(1, 1);
    grid_->setVerticalSpacing(10);

    auto* hint =
        new QLabel(u8("Si non rempli en mode automatique alors rechercher le chemin de fly.exe pour valider "
                      "les autres chemins automatiquement."));
    hint->setObjectName("Label1");
    hint->setAlignment(Qt::AlignCenter);
    hint->setWordWrap(true);

    auto* foundLabel = new QLabel(u8("Installations trouvées :"));
    foundLabel->setObjectName("LabelInstallations");
    installations_->setObjectName("ListInstallations");
    installations_->setAccessibleName(u8("Installations de Fly!2 trouvées dans Wine"));
    installations_->setMaximumHeight(80);
    foundLabel->setBuddy(installations_);
    auto* use = new QPushButton(u8("Utiliser cette installation"));
    use->setObjectName("ButtonUseInstallation");
    connect(use, &QPushButton::clicked, this, &TOptionsForm::UseInstallationClick);
    auto* found = new QHBoxLayout;
    found->addWidget(installations_, 1);
    found->addWidget(use, 0, Qt::AlignTop);

    auto* ok = new QPushButton(u8("OK - utiliser valeurs!"));
    ok->setObjectName("BtnOK");
    auto* cancel = new QPushButton(u8("Annuler "));
    cancel->setObjectName("BtnCancel");
    connect(ok, &QPushButton::clicked, this, &TOptionsForm::OkClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(foundLabel);
    layout->addLayout(found);
    layout->addSpacing(8);
    layout->addLayout(grid_);
    layout->addSpacing(12);
    layout->addWidget(hint);
    layout->addSpacing(12);
    layout->addLayout(buttons);
    resize(sizeHint().expandedTo(QSize(602, 0)));
}

void TOptionsForm::AddRow(const char* buttonName, const QString& caption, QString PathFields::*field,
                          const char* fieldName, const QString& accessibleName,
                          void (TOptionsForm::*action)()) {
    auto* button = new QPushButton(caption);
    button->setObjectName(buttonName);
    button->setMinimumWidth(button->sizeHint().width() + 24);
    auto* edit = new QLineEdit;
    edit->setObjectName(fieldName);
    edit->setAccessibleName(accessibleName);
    edit->setReadOnly(true);
    edit->setMinimumWidth(380);
    const int row = grid_->rowCount();
    grid_->addWidget(button, row, 0);
    grid_->addWidget(edit, row, 1);
    edits_.emplace_back(edit, field);
    connect(button, &QPushButton::clicked, this, [this, action] {
        (this->*action)();
        ShowFields();
    });
}

void TOptionsForm::AddInfoRow(const char* buttonName, const QString& caption, QString PathFields::*field,
                              const char* fieldName, const QString& accessibleName) {
    AddRow(buttonName, caption, field, fieldName, accessibleName, &TOptionsForm::ShowAutofillInfo);
}

void TOptionsForm::ShowFields() {
    for (const auto& [edit, field] : edits_) {
        edit->setText(fields_.*field);
        edit->setCursorPosition(0);
    }
}

bool TOptionsForm::CheckPathsQuietly() {
    const bool valid = PathsValidAtStart(fields_, AppSettings());
    ShowFields();
    return valid;
}

void TOptionsForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    installations_->clear();
    installations_->addItems(FindWineInstallations());
    installations_->setCurrentRow(0);
    if (FindFlyExe(AppSettings())) {
        fields_.LblFLYPath = AppSettings().FlyExePath;
        CheckPaths();
    }
    ShowFields();
}

void TOptionsForm::UseInstallationClick() {
    const QListWidgetItem* item = installations_->currentItem();
    if (item == nullptr)
        return;
    UseFlyExe(InstallationFlyExe(item->text()));
    ShowFields();
}

void TOptionsForm::OkClick() {
    if (OptionsOk(fields_, AppSettings()))
        accept();
}

bool TOptionsForm::CheckPaths() {
    Outcome outcome;
    const bool present = CheckFlyFolder(fields_, AppSettings(), true, outcome);
    ShowOutcome(outcome);
    if (!present)
        return false;
    // The folders are made in the simulator folder just checked, whose journal tells of them, whatever
    // folder the tool knew before, if any.
    const JournalScope journal(AppSettings().FlyFolder, QStringLiteral("Initialise Kestrel"));
    for (const QString& relative : MissingSubfolders(fields_)) {
        if (!ShowOutcome(CreateSubfolderQuestion(fields_, relative))) {
            ResetCaptions(fields_);
            return false;
        }
        ShowOutcome(CreateSubfolder(fields_, relative));
    }
    FillFields(fields_, AppSettings());
    return true;
}

void TOptionsForm::UseFlyExe(const QString& flyExe) {
    TakeFlyExe(fields_, AppSettings(), flyExe);
    CheckPaths();
}

void TOptionsForm::ChooseFlyExe() {
    QString start = FlyExeDialogStart(AppSettings());
    const QString chosen = PickFile(start, QString(), QStringLiteral("Fichier fly2.exe trouvé"),
                                    QStringLiteral("FLY2.EXE |fly2.exe"));
    if (chosen.isEmpty()) {
        ResetCaptions(fields_);
        return;
    }
    UseFlyExe(chosen);
}

void TOptionsForm::ChooseFlyStart() {
    QString start = AppSettings().FlyFolder;
    fields_.LblFLYStartPath =
        PickFile(start, QString(), QStringLiteral("Chemin vers Flystart.exe Utility trouvé"),
                 QStringLiteral("Cehemin vers FLY! Start Utility (flystart.exe) | flystart.exe"));
}

void TOptionsForm::ChooseFly2Slice() {
    fields_.LblFly2SlicerName =
        PickFile(AppSettings().Fly2SliceFolder, QString(), QStringLiteral("Find Tool 2 File"),
                 QStringLiteral("YourTool2Prg.EXE (*.exe)|*.EXE"));
}

// The folder is stored at once, and a cancelled dialog empties it.
void TOptionsForm::ChooseFolderInto(QString& setting, QString& field) {
    setting = SelectFolder(FolderDialogStart(setting, AppSettings().FlyFolder));
    field = setting;
}

void TOptionsForm::ChooseTgaFolder() {
    ChooseFolderInto(AppSettings().TGAPath, fields_.LblTGAPath);
}

void TOptionsForm::ChooseRasFolder() {
    ChooseFolderInto(AppSettings().RASPath, fields_.LblRASPath);
}

void TOptionsForm::ShowAutofillInfo() {
    ShowOutcome(AutofillInfo());
}
