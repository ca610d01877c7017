#include "shell/ui/TOptionsForm.h"

#include "fs/FileUtils.h"
#include "fs/NativeFs.h"
#include "fs/Outcome.h"
#include "journal/JournalScope.h"
#include "shell/Dialogs.h"
#include "shell/InterfaceLanguage.h"
#include "shell/MainActions.h"
#include "shell/OwnFilesFolder.h"
#include "shell/Settings.h"
#include "shell/ui/FailureBoxes.h"
#include "shell/ui/ShowOutcome.h"
#include "wine/WineInstallations.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

// The path window's information boxes and question, all captioned alike.
Outcome Information(const QString& text) {
    return Outcome::Info(text, TOptionsForm::tr("Information:"));
}

Outcome Question(const QString& text) {
    return Outcome::Question(text, TOptionsForm::tr("Information:"));
}

} // namespace

TOptionsForm::TOptionsForm(QWidget* parent)
    : QDialog(parent), grid_(new QGridLayout), installations_(new QListWidget), language_(new QComboBox) {
    setObjectName("OptionsForm");
    setWindowTitle(tr("Sélectionner le chemin"));
    setModal(true);
    AddPathRows();

    auto* layout = new QVBoxLayout(this);
    AddInstallations(*layout);
    layout->addSpacing(8);
    layout->addLayout(grid_);
    layout->addSpacing(8);
    layout->addLayout(LanguageRow());
    layout->addSpacing(12);
    layout->addWidget(AutofillHint());
    layout->addSpacing(12);
    layout->addLayout(DialogButtons());
    resize(sizeHint().expandedTo(QSize(602, 0)));
}

void TOptionsForm::AddPathRows() {
    AddRow("BtnFLY2Exe", tr("FLY.EXE - Répertoire"), &PathFields::LblFLYPath, "LblFLYPath",
           tr("Chemin de fly2.exe"), &TOptionsForm::ChooseFlyExe);
    AddInfoRow("BtnDLLFolderHolder", tr("[PC](DLLs) Répertoire"), &PathFields::LblDLLFolderHolder,
               "LblDLLFolderHolder", tr("Répertoire contenant le répertoire des DLL"));
    AddInfoRow("BtnBMPPath", tr("DLL - Répertoire"), &PathFields::LblDLLPath, "LblDLLPath",
               tr("Répertoire des DLL"));
    AddInfoRow("BtnUBBMPPath", tr("PY/PYC - Répertoire"), &PathFields::LblPythonPath, "LblPythonPath",
               tr("Répertoire des scripts PY/PYC"));
    AddInfoRow("Button3", tr("FLY.INI Répertoire"), &PathFields::LblFlyIniPath, "LblFlyIniPath",
               tr("Chemin de fly.ini"));
    AddInfoRow("BtnSCFPath", tr("RENDER.INI Répertoire"), &PathFields::LblRenderIniPath, "LblRenderIniPath",
               tr("Chemin de render.ini"));
    AddRow("Button6", tr("Flystart.exe Répertoire"), &PathFields::LblFLYStartPath, "LblFLYStartPath",
           tr("Chemin de flystart.exe"), &TOptionsForm::ChooseFlyStart);
    AddRow("Button5", tr("Fly2slice.exe Répertoire"), &PathFields::LblFly2SlicerName, "LblFly2SlicerName",
           tr("Chemin de fly2slice.exe"), &TOptionsForm::ChooseFly2Slice);
    AddRow("BtnTGAPath", tr("*.TGA Répertoire"), &PathFields::LblTGAPath, "LblTGAPath",
           tr("Répertoire des *.TGA"), &TOptionsForm::ChooseTgaFolder);
    AddRow("BtnRASPath", tr("*.RAS Répertoire"), &PathFields::LblRASPath, "LblRASPath",
           tr("Répertoire des *.RAS"), &TOptionsForm::ChooseRasFolder);
    grid_->setColumnStretch(1, 1);
    grid_->setVerticalSpacing(10);
}

QLabel* TOptionsForm::AutofillHint() {
    auto* hint =
        new QLabel(tr("Si non rempli en mode automatique alors rechercher le chemin de fly.exe pour valider "
                      "les autres chemins automatiquement."));
    hint->setObjectName("Label1");
    hint->setAlignment(Qt::AlignCenter);
    hint->setWordWrap(true);
    return hint;
}

void TOptionsForm::AddInstallations(QVBoxLayout& layout) {
    auto* foundLabel = new QLabel(tr("Installations trouvées :"));
    foundLabel->setObjectName("LabelInstallations");
    installations_->setObjectName("ListInstallations");
    installations_->setAccessibleName(tr("Installations de Fly!2 trouvées dans Wine"));
    installations_->setMaximumHeight(80);
    foundLabel->setBuddy(installations_);
    auto* use = new QPushButton(tr("Utiliser cette installation"));
    use->setObjectName("ButtonUseInstallation");
    connect(use, &QPushButton::clicked, this, &TOptionsForm::UseInstallationClick);
    auto* found = new QHBoxLayout;
    found->addWidget(installations_, 1);
    found->addWidget(use, 0, Qt::AlignTop);

    layout.addWidget(foundLabel);
    layout.addLayout(found);
}

QLayout* TOptionsForm::DialogButtons() {
    auto* ok = new QPushButton(tr("OK - utiliser valeurs!"));
    ok->setObjectName("BtnOK");
    auto* cancel = new QPushButton(tr("Annuler "));
    cancel->setObjectName("BtnCancel");
    connect(ok, &QPushButton::clicked, this, &TOptionsForm::OkClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch();
    return buttons;
}

QLayout* TOptionsForm::LanguageRow() {
    // In the order of LanguageChoice; each language is named in itself.
    language_->addItems({tr("Automatique"), QStringLiteral("Français"), QStringLiteral("English")});
    language_->setObjectName("ComboLanguage");
    auto* label = new QLabel(tr("Langue de l'interface"));
    label->setBuddy(language_);
    language_->setAccessibleName(label->text());
    auto* note = new QLabel(tr("(prend effet au prochain démarrage)"));
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(language_);
    row->addWidget(note);
    row->addStretch();
    return row;
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
    language_->setCurrentIndex(static_cast<int>(StoredLanguageChoice()));
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
    if (!OptionsOk(fields_, AppSettings()))
        return;
    const auto language = static_cast<LanguageChoice>(language_->currentIndex());
    if (language != StoredLanguageChoice() && !StoreLanguageChoice(language))
        ShowError(tr("La langue choisie n'a pas pu être enregistrée dans %1.").arg(UserConfigFolder()));
    accept();
}

bool TOptionsForm::CheckPaths() {
    if (const Done present = CheckFlyFolder(fields_, AppSettings()); !present) {
        ShowOutcome(Information(
            fields_.LblFLYPath.isEmpty()
                ? tr("Auto remplissage impossible! Répertoire de Fly!2 non spécifié - veuillez utilisé le "
                     "bouton [fly2.exe répertoire]")
                : tr("Auto remplissage impossible! Le(s) sous répertoire(s) n''existe(nt) pas! - %1 Ce "
                     "n''est pas une installation de Fly!2 valide!")
                      .arg(present.failure().path)));
        return false;
    }
    // The folders are made in the simulator folder just checked, whose journal tells of them, whatever
    // folder the tool knew before, if any.
    const JournalScope journal(AppSettings().FlyFolder,
                               QString::fromUtf8(QT_TRANSLATE_NOOP("Operation", "Initialise Kestrel")));
    const QString flyFolder = AppSettings().FlyFolder;
    for (const QString& relative : MissingSubfolders(fields_)) {
        if (!ShowOutcome(Question(tr("Auto remplissage impossible! Le(s) sous répertoire(s) n''existe(nt) "
                                     "pas! - %1- Voulez vous créer un répertoire vide?")
                                      .arg(ResolvePath(flyFolder + relative))))) {
            ResetCaptions(fields_);
            return false;
        }
        if (const Done made = MakeFolderChain(flyFolder, relative); !made)
            ShowOutcome(FoldersNotMade(made.failure()));
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
    const QString chosen =
        PickFile(start, QString(), tr("Fichier fly2.exe trouvé"), tr("FLY2.EXE |fly2.exe"));
    if (chosen.isEmpty()) {
        ResetCaptions(fields_);
        return;
    }
    UseFlyExe(chosen);
}

void TOptionsForm::ChooseFlyStart() {
    QString start = AppSettings().FlyFolder;
    fields_.LblFLYStartPath = PickFile(start, QString(), tr("Chemin vers Flystart.exe Utility trouvé"),
                                       tr("Cehemin vers FLY! Start Utility (flystart.exe) | flystart.exe"));
}

void TOptionsForm::ChooseFly2Slice() {
    fields_.LblFly2SlicerName = PickFile(AppSettings().Fly2SliceFolder, QString(), tr("Find Tool 2 File"),
                                         tr("YourTool2Prg.EXE (*.exe)|*.EXE"));
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
    ShowOutcome(Information(tr("Use [FLY!II.EXE-Path] button to enable AUTOFILL!")));
}
