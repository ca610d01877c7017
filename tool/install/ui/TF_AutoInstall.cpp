#include "install/ui/TF_AutoInstall.h"

#include "fs/FileUtils.h"
#include "fs/Outcome.h"
#include "install/InstallHelpText.h"
#include "install/InstallPlan.h"
#include "install/InstallSource.h"
#include "install/ui/InstallWidgets.h"
#include "install/ui/InstallationBoxes.h"
#include "journal/JournalScope.h"
#include "shell/Dialogs.h"
#include "shell/Settings.h"
#include "shell/ui/ShowOutcome.h"
#include "shell/ui/TF_Progress.h"
#include "shell/ui/THelpForm.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

QString FlyScenery() {
    return WithBackslash(AppSettings().FlyFolder) + QStringLiteral("scenery/");
}

QString NoExternalFolder() {
    return TF_AutoInstall::tr("Répertoire externe de scènes pas encore défini!");
}

// The one local file or folder that a drop carries; empty for several, or for one not on this machine.
QString DroppedPath(const QMimeData* data) {
    const QList<QUrl> urls = data->urls();
    return urls.size() == 1 && urls[0].isLocalFile() ? urls[0].toLocalFile() : QString();
}

} // namespace

TF_AutoInstall::TF_AutoInstall(QWidget* parent)
    : QWidget(parent, Qt::Window), sourceLabel_(MakeLabel("LabelSource", {})), sourceList_(new QListWidget),
      destination_(new QLineEdit), baseLabel_(MakeLabel("LabelBase", {})), types_(new QButtonGroup(this)),
      rename_(new QCheckBox(TF_AutoInstall::tr("Renommer les fichiers sources installés [xxx.installed]"))),
      pause_(new QCheckBox(TF_AutoInstall::tr("NAVMerger: exécution en attente si erreur"))),
      log_(new QPlainTextEdit) {
    setObjectName("TF_AutoInstall");
    setWindowTitle(TF_AutoInstall::tr("INSTALLATION scénes/avions/objets (semi-)automatique"));
    log_->setObjectName("MemoLog");
    log_->setAccessibleName(TF_AutoInstall::tr("Journal d'activité"));
    log_->setReadOnly(true);
    log_->setPlainText(TF_AutoInstall::tr("Activity Log:"));
    log_->setMinimumHeight(160);

    auto* top = new QHBoxLayout;
    top->addWidget(BuildSource(), 1);
    top->addWidget(BuildOptions());
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(BuildDestination());
    layout->addWidget(log_, 1);
    layout->addLayout(BuildButtons());
    // A file dropped on the destination field would otherwise become its text.
    destination_->setAcceptDrops(false);
    setAcceptDrops(true);
    resize(900, 760);
}

QWidget* TF_AutoInstall::BuildSource() {
    auto* group = new QGroupBox(TF_AutoInstall::tr("S O U R C E"));
    group->setObjectName("GroupSource");
    sourceLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    sourceList_->setObjectName("ListSource");
    sourceList_->setAccessibleName(TF_AutoInstall::tr("Contenu du répertoire source"));
    auto* choose = MakeButton(
        "ButtonSource", TF_AutoInstall::tr("SOURCE: sélectionner le répertoire source de l'installation"));
    auto* archive = MakeButton("ButtonSourceArchive",
                               TF_AutoInstall::tr("SOURCE : une archive téléchargée (.zip, .rar, .7z...)"));
    auto* save =
        MakeButton("ButtonSaveSource", TF_AutoInstall::tr("Enregistrer le répertoire source par défaut"));
    connect(choose, &QPushButton::clicked, this, &TF_AutoInstall::SourceClick);
    connect(archive, &QPushButton::clicked, this, &TF_AutoInstall::SourceArchiveClick);
    connect(save, &QPushButton::clicked, this, &TF_AutoInstall::SaveSourceClick);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(sourceLabel_);
    layout->addWidget(sourceList_, 1);
    layout->addWidget(choose);
    layout->addWidget(archive);
    layout->addWidget(save);
    return group;
}

QWidget* TF_AutoInstall::BuildOptions() {
    auto* box = new QWidget;
    auto* group = new QGroupBox(TF_AutoInstall::tr("Type à installer"));
    group->setObjectName("RadioGroupType");
    auto* radios = new QVBoxLayout(group);
    for (int id = 0; id <= int(InstallType::Tree); ++id) {
        auto* radio = new QRadioButton(InstallTypeCaption(InstallType(id)));
        radio->setObjectName(QStringLiteral("RadioType%1").arg(id));
        types_->addButton(radio, id);
        radios->addWidget(radio);
    }
    types_->button(0)->setChecked(true);
    // Whatever checked the radio (mouse, arrow keys, a screen reader); the type already selected, or one
    // set by a destination button, changes nothing.
    connect(types_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked && id != shownType_)
            TypeChanged();
    });
    rename_->setObjectName("CheckRename");
    rename_->setChecked(true);
    pause_->setObjectName("CheckPause");
    pause_->setChecked(true);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(group);
    layout->addWidget(rename_);
    layout->addWidget(pause_);
    layout->addStretch();
    return box;
}

QWidget* TF_AutoInstall::BuildDestination() {
    auto* box = new QGroupBox;
    destination_->setObjectName("EditDestination");
    destination_->setAccessibleName(TF_AutoInstall::tr("Répertoire d'installation"));
    destinationButtons_ = {
        MakeButton("ButtonDestination", TF_AutoInstall::tr("DESTINATION SCENES: Utiliser le répertoire de "
                                                           "Fly2 ou une autre/externe répertoire de scènes")),
        MakeButton("ButtonFlyFolder", TF_AutoInstall::tr("Retour au répertoire présélectionner de Fly!")),
        MakeButton("ButtonExternal", TF_AutoInstall::tr("Sélectionne le répertoire autre/externe")),
        MakeButton("ButtonSaveExternal", TF_AutoInstall::tr("Répertoire externe de destination des scènes"))};
    connect(destinationButtons_[0], &QPushButton::clicked, this, &TF_AutoInstall::DestinationClick);
    connect(destinationButtons_[1], &QPushButton::clicked, this, &TF_AutoInstall::FlyFolderClick);
    connect(destinationButtons_[2], &QPushButton::clicked, this, &TF_AutoInstall::ExternalClick);
    connect(destinationButtons_[3], &QPushButton::clicked, this, &TF_AutoInstall::SaveExternalClick);
    auto* layout = new QGridLayout(box);
    layout->addWidget(
        MakeLabel("LabelDestination", TF_AutoInstall::tr("Répertoire d'installation  - un nouveau sous "
                                                         "répertoire peut être ajouté/édité ci-dessous")),
        0, 0, 1, 2);
    layout->addWidget(destination_, 1, 0, 1, 2);
    layout->addWidget(destinationButtons_[0], 2, 0, 1, 2);
    layout->addWidget(destinationButtons_[1], 3, 0);
    layout->addWidget(destinationButtons_[2], 3, 1);
    layout->addWidget(destinationButtons_[3], 4, 0, 1, 2);
    layout->addWidget(
        MakeLabel("LabelBaseTitle", TF_AutoInstall::tr("Répertoire de base de FLY!2 (data, art, "
                                                       "aircraft, ...)")),
        5, 0, 1, 2);
    layout->addWidget(baseLabel_, 6, 0, 1, 2);
    return box;
}

QLayout* TF_AutoInstall::BuildButtons() {
    auto* help = MakeButton("ButtonHelp", TF_AutoInstall::tr("AIDE"));
    auto* saveLog = MakeButton("ButtonSaveLog", TF_AutoInstall::tr("Sauve Log en fichier texte"));
    saveLog->setEnabled(false);
    auto* quit = MakeButton("ButtonQuit", TF_AutoInstall::tr("QUITTER"));
    auto* preview = MakeButton("ButtonPreview", TF_AutoInstall::tr("Aperçu"));
    auto* install = MakeButton("ButtonInstall", TF_AutoInstall::tr("OK, INSTALLER"));
    auto* library = MakeButton("ButtonLibrary", TF_AutoInstall::tr("Bibliothèque des add-ons"));
    connect(library, &QPushButton::clicked, this, &TF_AutoInstall::LibraryRequested);
    connect(help, &QPushButton::clicked, this, &TF_AutoInstall::HelpClick);
    connect(quit, &QPushButton::clicked, this, &QWidget::hide);
    connect(preview, &QPushButton::clicked, this, &TF_AutoInstall::PreviewClick);
    connect(install, &QPushButton::clicked, this, &TF_AutoInstall::InstallClick);
    auto* row = new QHBoxLayout;
    row->addWidget(help);
    row->addWidget(saveLog);
    row->addWidget(library);
    row->addStretch();
    row->addWidget(quit);
    row->addWidget(preview);
    row->addWidget(install);
    return row;
}

// An archive's table is read once, into the plan of the preview or the installation: the list names
// the archive alone until then.
void TF_AutoInstall::SetSourceFolder(const QString& folder) {
    sourceFolder_ = folder;
    sourceLabel_->setText(folder);
    sourceList_->clear();
    if (IsArchiveSource(folder))
        sourceList_->addItem(folder);
    else
        sourceList_->addItems(ListInstallSource(folder));
}

InstallType TF_AutoInstall::Type() const {
    return static_cast<InstallType>(types_->checkedId());
}

// A type set by a button keeps the destination field: only the buttons follow it.
void TF_AutoInstall::SetType(InstallType type) {
    shownType_ = static_cast<int>(type);
    types_->button(shownType_)->setChecked(true);
    EnableDestinationButtons();
}

void TF_AutoInstall::TypeChanged() {
    shownType_ = types_->checkedId();
    const QString fly = WithBackslash(AppSettings().FlyFolder);
    if (Type() == InstallType::ExternalScenery)
        destination_->setText(fly + QStringLiteral("scenery/"));
    else if (Type() == InstallType::Taxiways)
        destination_->setText(fly + QStringLiteral("taxiways/ *OR* data/"));
    EnableDestinationButtons();
}

void TF_AutoInstall::EnableDestinationButtons() {
    const InstallType type = Type();
    if (type > InstallType::Taxiways)
        return;
    for (QPushButton* button : destinationButtons_)
        button->setEnabled(type == InstallType::ExternalScenery);
}

// Minimising and restoring send spontaneous events; only a real showing resets the fields.
void TF_AutoInstall::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    baseLabel_->setText(AppSettings().FlyFolder);
    destination_->setText(FlyScenery());
    TypeChanged();
}

void TF_AutoInstall::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedPath(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TF_AutoInstall::dropEvent(QDropEvent* event) {
    const QString path = DroppedPath(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    SetSourceFolder(path);
}

void TF_AutoInstall::SourceClick() {
    const QString chosen = SelectFolder(SourceDialogStart(sourceFolder_, AppSettings()));
    if (!chosen.isEmpty())
        SetSourceFolder(chosen);
}

void TF_AutoInstall::SourceArchiveClick() {
    QString start = SourceDialogStart(
        IsArchiveSource(sourceFolder_) ? FolderOfFile(sourceFolder_) : sourceFolder_, AppSettings());
    const QString chosen = PickFile(
        start, QStringLiteral("zip"), TF_AutoInstall::tr("Archive de l'add-on"),
        TF_AutoInstall::tr("Archives d'add-on") +
            QStringLiteral("|*.zip;*.ZIP;*.rar;*.RAR;*.7z;*.7Z;*.exe;*.EXE;*.tar;*.tar.gz;*.tgz;*.tar.bz2;"
                           "*.tbz2;*.tar.xz;*.txz"));
    if (!chosen.isEmpty())
        SetSourceFolder(chosen);
}

void TF_AutoInstall::SaveSourceClick() {
    if (sourceLabel_->text().isEmpty() || sourceLabel_->text() == AppSettings().FlyFolder)
        return;
    AppSettings().InstallSourceFolder = sourceFolder_;
    ShowInfo(TF_AutoInstall::tr("Copied: %1").arg(sourceFolder_));
}

void TF_AutoInstall::DestinationClick() {
    const QString external = AppSettings().ExternalSceneryFolder;
    const QString chosen = SelectFolder(external.isEmpty() ? QStringLiteral("/") : external);
    if (chosen.isEmpty())
        return;
    destination_->setText(chosen);
    if (destination_->text() != AppSettings().FlyFolder)
        SetType(InstallType::ExternalScenery);
}

void TF_AutoInstall::FlyFolderClick() {
    destination_->setText(FlyScenery());
    SetType(InstallType::Scenery);
}

void TF_AutoInstall::ExternalClick() {
    const QString external = AppSettings().ExternalSceneryFolder;
    if (external.isEmpty())
        ShowInfo(NoExternalFolder());
    else
        destination_->setText(WithBackslash(external));
}

void TF_AutoInstall::SaveExternalClick() {
    if (destination_->text() != FlyScenery())
        AppSettings().ExternalSceneryFolder = destination_->text();
    else
        ShowInfo(NoExternalFolder());
}

void TF_AutoInstall::HelpClick() {
    THelpForm* help = THelpForm::Shared();
    if (help == nullptr)
        return;
    help->SetHelpText(InstallHelpText());
    help->exec();
}

InstallRequest TF_AutoInstall::Request() const {
    InstallRequest request;
    request.type = Type();
    request.sourceFolder = sourceLabel_->text();
    for (int row = 0; row < sourceList_->count(); ++row)
        request.sourceList << sourceList_->item(row)->text();
    request.destination = destination_->text();
    request.flyFolder = AppSettings().FlyFolder;
    request.toolFolder = AppSettings().ProgramFolder;
    request.renameSources = rename_->isChecked();
    request.pauseOnError = pause_->isChecked();
    return request;
}

// The preview replaces the log, which the next installation then continues.
void TF_AutoInstall::PreviewClick() {
    QStringList lines;
    const Done previewed = PreviewInstallation(Request(), [&lines](const QString& line) { lines << line; });
    if (!previewed) {
        ShowInfo(previewed.failure().reason);
        return;
    }
    log_->setPlainText(lines.join('\n'));
}

// Files of a tree outside the simulator's own folders are installed only once the user says so.
void TF_AutoInstall::InstallClick() {
    InstallRequest request = Request();
    InstallPlan plan = PlanInstallation(request);
    if (!plan.outside.isEmpty() && plan.refusal.isEmpty() &&
        AskYesNo(TF_AutoInstall::tr("Ces fichiers ne sont dans aucun répertoire de Fly! (aircraft, modules, "
                                    "scenery...) :\n%1\nLes installer quand même ?")
                     .arg(plan.outside.join('\n')))) {
        request.installOutside = true;
        plan = PlanInstallation(request);
    }
    const Result<AddonInstall> ran = [&] {
        TF_Progress progress(this, TF_AutoInstall::tr("Installation en cours"));
        const JournalScope journal(request.flyFolder, InstallationName(request.type));
        return RunInstallation(
            request, plan, [this](const QString& line) { AppendLog(line); }, progress);
    }();
    ShowOutcome(InstallationBoxes(ran));
}

void TF_AutoInstall::AppendLog(const QString& line) {
    log_->appendPlainText(line);
}
