#include "install/ui/TF_AddonLibrary.h"

#include "fs/Outcome.h"
#include "install/AddonRemoval.h"
#include "install/ui/InstallWidgets.h"
#include "install/ui/RemovalBoxes.h"
#include "journal/JournalScope.h"
#include "shell/Dialogs.h"
#include "shell/Settings.h"
#include "shell/ui/ShowOutcome.h"
#include "shell/ui/TF_Progress.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum Column { Name, Type, Date, Files, Conflicts };

// How many of an add-on's files another add-on wrote too.
int ConflictCount(const AddonLibrary& library, int index) {
    int conflicts = 0;
    for (const AddonFile& file : library.addons[index].files)
        conflicts += library.Owners(file.path).size() > 1 ? 1 : 0;
    return conflicts;
}

QTableWidgetItem* Cell(const QString& text, bool editable = false) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | (editable ? Qt::ItemIsEditable : Qt::NoItemFlags));
    return item;
}

// What lies under a file, from the bottom: nothing or the original, then each add-on that wrote it.
QString Stack(const AddonLibrary& library, const AddonFile& file) {
    const QList<int>& owners = library.Owners(file.path);
    const AddonFile* bottom = nullptr;
    for (const AddonFile& first : library.addons[owners.first()].files)
        if (first.path == file.path)
            bottom = &first;
    QStringList layers{bottom->before.kind == Fingerprint::Kind::Absent ? TF_AddonLibrary::tr("rien")
                                                                        : OriginalFileName()};
    for (const int owner : owners)
        layers << TF_AddonLibrary::tr("« %1 »").arg(library.addons[owner].name);
    return file.path + QStringLiteral("   (") + layers.join(QString::fromUtf8(" → ")) + ')';
}

} // namespace

TF_AddonLibrary::TF_AddonLibrary(QWidget* parent)
    : QWidget(parent, Qt::Window), state_(MakeLabel("LabelLibrary", {})), table_(new QTableWidget(0, 5)),
      files_(new QListWidget), log_(new QPlainTextEdit),
      preview_(MakeButton("ButtonPreviewRemoval", TF_AddonLibrary::tr("Aperçu de la désinstallation"))),
      remove_(MakeButton("ButtonRemove", TF_AddonLibrary::tr("Désinstaller"))), library_(QString()) {
    setObjectName("TF_AddonLibrary");
    setWindowTitle(TF_AddonLibrary::tr("Bibliothèque des add-ons"));
    table_->setObjectName("TableAddons");
    table_->setAccessibleName(TF_AddonLibrary::tr("Add-ons installés, dans l'ordre de leur installation"));
    table_->setHorizontalHeaderLabels({tr("Nom"), tr("Type"), tr("Date"), tr("Fichiers"), tr("Conflits")});
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setSectionResizeMode(Name, QHeaderView::Stretch);
    table_->verticalHeader()->hide();
    files_->setObjectName("ListAddonFiles");
    files_->setAccessibleName(
        TF_AddonLibrary::tr("Fichiers de l'add-on choisi, avec ce qui se trouve dessous"));
    log_->setObjectName("MemoRemoval");
    log_->setAccessibleName(TF_AddonLibrary::tr("Aperçu et journal de la désinstallation"));
    log_->setReadOnly(true);
    connect(table_, &QTableWidget::currentCellChanged, this, &TF_AddonLibrary::ShowFiles);
    connect(table_, &QTableWidget::itemChanged, this, &TF_AddonLibrary::Renamed);
    connect(table_, &QTableWidget::itemSelectionChanged, this, &TF_AddonLibrary::EnableRemoval);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(state_);
    layout->addWidget(table_, 2);
    layout->addWidget(
        MakeLabel("LabelAddonFiles", TF_AddonLibrary::tr("Fichiers de l'add-on (pile des "
                                                         "propriétaires, du bas vers le haut) :")));
    layout->addWidget(files_, 2);
    layout->addWidget(log_, 1);
    layout->addLayout(BuildButtons());
    resize(860, 640);
}

QLayout* TF_AddonLibrary::BuildButtons() {
    auto* close = MakeButton("ButtonClose", tr("Fermer"));
    connect(preview_, &QPushButton::clicked, this, &TF_AddonLibrary::PreviewClick);
    connect(remove_, &QPushButton::clicked, this, &TF_AddonLibrary::RemoveClick);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    auto* row = new QHBoxLayout;
    row->addWidget(preview_);
    row->addWidget(remove_);
    row->addStretch();
    row->addWidget(close);
    return row;
}

void TF_AddonLibrary::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    ShowOutcome(RecoveryBoxes(RecoverAddonLibrary(AppSettings().FlyFolder)));
    Refresh();
}

void TF_AddonLibrary::Refresh() {
    const int row = table_->currentRow();
    library_ = AddonLibrary(AppSettings().FlyFolder);
    loaded_ = library_.Load();
    if (!loaded_)
        state_->setText(tr("La bibliothèque %1 est endommagée (%2) : aucun add-on ne peut être désinstallé.")
                            .arg(library_.File(), loaded_.failure().reason));
    else if (library_.addons.isEmpty())
        state_->setText(TF_AddonLibrary::tr("Aucun add-on installé par l'installateur de FlyKestrel."));
    else
        state_->setText(
            TF_AddonLibrary::tr("Add-ons installés, du plus ancien au plus récent (double-cliquez "
                                "un nom pour le changer) :"));
    const QSignalBlocker quiet(table_);
    table_->setRowCount(int(library_.addons.size()));
    for (int i = 0; i < library_.addons.size(); ++i) {
        const Addon& addon = library_.addons[i];
        table_->setItem(i, Name, Cell(addon.name, true));
        table_->setItem(i, Type, Cell(InstallTypeCaption(addon.type)));
        table_->setItem(i, Date, Cell(addon.date.toLocalTime().toString(QStringLiteral("dd/MM/yyyy HH:mm"))));
        table_->setItem(i, Files, Cell(QString::number(addon.files.size())));
        table_->setItem(i, Conflicts, Cell(QString::number(ConflictCount(library_, i))));
    }
    // The add-on selected before stays selected, or the last one when it went; none in an empty library.
    if (table_->rowCount() > 0)
        table_->setCurrentCell(std::clamp(row, 0, table_->rowCount() - 1), Name);
    ShowFiles();
    EnableRemoval();
}

void TF_AddonLibrary::EnableRemoval() {
    const bool selected = SelectedRow() >= 0;
    preview_->setEnabled(selected);
    remove_->setEnabled(selected && loaded_);
}

int TF_AddonLibrary::SelectedRow() const {
    const QModelIndexList rows = table_->selectionModel()->selectedRows();
    return rows.size() == 1 && rows.first().row() < library_.addons.size() ? rows.first().row() : -1;
}

void TF_AddonLibrary::ShowFiles() {
    files_->clear();
    const int row = table_->currentRow();
    if (row < 0 || row >= library_.addons.size())
        return;
    for (const AddonFile& file : library_.addons[row].files)
        files_->addItem(Stack(library_, file));
    for (const DexImport& import : library_.addons[row].imports)
        files_->addItem(tr("Import : %1").arg(import.dexFile));
}

// A new name is kept in the library, as a change of its own in the history.
void TF_AddonLibrary::Renamed(QTableWidgetItem* item) {
    const int row = item->row();
    if (item->column() != Name || row >= library_.addons.size() || item->text().trimmed().isEmpty())
        return Refresh();
    const QString name = item->text().trimmed();
    {
        const JournalScope journal(AppSettings().FlyFolder,
                                   QString::fromUtf8("Renommer l'add-on « ") + library_.addons[row].name +
                                       QString::fromUtf8(" »"));
        library_.addons[row].name = name;
        if (const Done saved = library_.Save(); !saved)
            ShowOutcome(Outcome::Error(saved.failure().path + QStringLiteral(" : ") + saved.failure().reason));
    }
    Refresh();
}

int TF_AddonLibrary::Selected() {
    if (const int row = SelectedRow(); row >= 0)
        return row;
    ShowInfo(TF_AddonLibrary::tr("Choisissez d'abord un add-on dans la liste."));
    return -1;
}

void TF_AddonLibrary::PreviewClick() {
    const int index = Selected();
    if (index < 0)
        return;
    const RemovalPlan plan = PlanRemoval(library_, index);
    log_->setPlainText(
        tr("*** Aperçu de la désinstallation de « %1 » : rien n'a été modifié ***").arg(plan.name) + '\n' +
        plan.Describe().join('\n'));
}

bool TF_AddonLibrary::Confirmed(const RemovalPlan& plan, bool& keepChanged) {
    if (!AskYesNo(tr("Désinstaller « %1 » ?").arg(plan.name)))
        return false;
    const QStringList changed = plan.Changed();
    keepChanged = !changed.isEmpty();
    if (keepChanged &&
        !AskYesNo(
            tr("Ces fichiers de « %1 » ont été modifiés depuis son installation :\n%2\nLes garder sous le "
               "nom <fichier>.usersave et désinstaller quand même ?")
                .arg(plan.name, changed.join('\n'))))
        return false;
    return plan.changedByHand.isEmpty() ||
           AskYesNo(
               tr("La base de données n'est plus celle que la bibliothèque a laissée (un import fait à la "
                  "main ?) :\n%1\nLa reconstruire sans « %2 » ?")
                   .arg(plan.changedByHand.join('\n'), plan.name));
}

void TF_AddonLibrary::RemoveClick() {
    if (!loaded_) {
        ShowInfo(state_->text());
        return;
    }
    const int index = Selected();
    if (index < 0)
        return;
    const RemovalPlan plan = PlanRemoval(library_, index);
    bool keepChanged = false;
    if (!Confirmed(plan, keepChanged))
        return;
    log_->setPlainText(tr("*** Désinstallation de « %1 » ***").arg(plan.name));
    Outcome outcome;
    {
        TF_Progress progress(this, TF_AddonLibrary::tr("Désinstallation en cours"));
        outcome = RemovalBoxes(RemoveAddon(
            AppSettings().FlyFolder, plan, keepChanged,
            [this](const QString& line) { log_->appendPlainText(line); }, progress));
    }
    ShowOutcome(outcome);
    Refresh();
}
