#include "install/ui/TF_SceneryCopy.h"

#include "fs/Outcome.h"
#include "install/ui/InstallWidgets.h"
#include "install/ui/SceneryCopyBoxes.h"
#include "journal/JournalScope.h"
#include "shell/Dialogs.h"
#include "shell/Settings.h"
#include "shell/ui/FailureBoxes.h"
#include "shell/ui/ShowOutcome.h"
#include "shell/ui/TF_Progress.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// The folder dialog starts at remembered (fallback when it is empty, which is then remembered); the
// chosen folder is remembered and returned, empty when the user cancels.
QString ChooseFolder(QString& remembered, const QString& fallback) {
    if (remembered.isEmpty())
        remembered = fallback;
    const QString chosen = SelectFolder(remembered);
    if (!chosen.isEmpty())
        remembered = chosen;
    return chosen;
}

QLabel* FolderLabel(const char* name) {
    auto* label = new QLabel;
    label->setObjectName(QLatin1String(name));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setFrameShape(QFrame::StyledPanel);
    label->setMinimumWidth(360);
    return label;
}

} // namespace

TF_SceneryCopy::TF_SceneryCopy(QWidget* parent)
    : QWidget(parent, Qt::Window), sourceLabel_(FolderLabel("LabelSource")),
      destinationLabel_(FolderLabel("LabelDestination")), list_(new QListWidget),
      subFolders_(new QCheckBox(TF_SceneryCopy::tr("Sous répertoire"))),
      unused_(new QCheckBox(TF_SceneryCopy::tr("Inutilisé"))), modes_(new QButtonGroup(this)) {
    setObjectName("TF_SceneryCopy");
    setWindowTitle(TF_SceneryCopy::tr("Copie les scènes de FLY!2"));
    list_->setObjectName("CheckListBox1");
    list_->setAccessibleName(TF_SceneryCopy::tr("Fichiers de scènes à copier"));

    auto* middle = new QHBoxLayout;
    middle->addWidget(list_, 1);
    middle->addWidget(BuildOptions());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildFolders());
    layout->addLayout(middle, 1);
    layout->addLayout(BuildButtons());
    resize(760, 560);
}

QWidget* TF_SceneryCopy::BuildFolders() {
    auto* box = new QWidget;
    auto* source =
        MakeButton("ButtonSource", TF_SceneryCopy::tr("Sélectionner le répertoire source des scènes"));
    auto* destination = MakeButton(
        "ButtonDestination", TF_SceneryCopy::tr("Sélectionner le répertoire de destination des scènes"));
    connect(source, &QPushButton::clicked, this, &TF_SceneryCopy::SourceClick);
    connect(destination, &QPushButton::clicked, this, &TF_SceneryCopy::DestinationClick);
    auto* layout = new QGridLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(sourceLabel_, 0, 0);
    layout->addWidget(source, 0, 1);
    layout->addWidget(destinationLabel_, 1, 0);
    layout->addWidget(destination, 1, 1);
    layout->setColumnStretch(0, 1);
    return box;
}

QWidget* TF_SceneryCopy::BuildOptions() {
    auto* box = new QWidget;
    auto* copyGroup = new QGroupBox(TF_SceneryCopy::tr("Cocher ci-dessous pour copier :"));
    subFolders_->setObjectName("CheckSubFolders");
    subFolders_->setChecked(true);
    unused_->setObjectName("CheckUnused");
    connect(subFolders_, &QCheckBox::toggled, this, &TF_SceneryCopy::FillList);
    connect(unused_, &QCheckBox::toggled, this, &TF_SceneryCopy::FillList);
    auto* copyLayout = new QVBoxLayout(copyGroup);
    copyLayout->addWidget(subFolders_);
    copyLayout->addWidget(unused_);

    auto* modeGroup = new QGroupBox(TF_SceneryCopy::tr("FICHIERS SOURCES"));
    modeGroup->setObjectName("RadioGroupSources");
    auto* modeLayout = new QVBoxLayout(modeGroup);
    const QString captions[] = {tr("inchangé"), tr("tout à OFF"), tr("supprimer")};
    for (int id = 0; id < 3; ++id) {
        auto* radio = new QRadioButton(captions[id]);
        radio->setObjectName(QStringLiteral("RadioSources%1").arg(id));
        modes_->addButton(radio, id);
        modeLayout->addWidget(radio);
    }
    modes_->button(0)->setChecked(true);

    auto* all = MakeButton("ButtonCheckAll", TF_SceneryCopy::tr("TOUT cocher"));
    auto* none = MakeButton("ButtonCheckNone", TF_SceneryCopy::tr("Tout DECOCHER"));
    connect(all, &QPushButton::clicked, this, [this] { SetAllMarks(true); });
    connect(none, &QPushButton::clicked, this, [this] { SetAllMarks(false); });
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(copyGroup);
    layout->addWidget(modeGroup);
    layout->addWidget(all);
    layout->addWidget(none);
    layout->addStretch();
    return box;
}

QLayout* TF_SceneryCopy::BuildButtons() {
    auto* cancel = MakeButton("ButtonCancel", TF_SceneryCopy::tr("ANNULER sans COPIER"));
    auto* copy = MakeButton("ButtonCopy", TF_SceneryCopy::tr("OK, COPIER et QUITTER"));
    connect(cancel, &QPushButton::clicked, this, &QWidget::hide);
    connect(copy, &QPushButton::clicked, this, &TF_SceneryCopy::CopyClick);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(cancel);
    row->addWidget(copy);
    return row;
}

SceneryEntries TF_SceneryCopy::Entries() const {
    SceneryEntries entries;
    for (int row = 0; row < list_->count(); ++row)
        entries.append({list_->item(row)->text(), list_->item(row)->checkState() == Qt::Checked});
    return entries;
}

void TF_SceneryCopy::SetSourceFolder(const QString& folder) {
    sourceLabel_->setText(folder);
    FillList();
}

void TF_SceneryCopy::SetDestinationFolder(const QString& folder) {
    destinationLabel_->setText(folder);
}

void TF_SceneryCopy::FillList() {
    list_->clear();
    if (sourceLabel_->text().isEmpty())
        return;
    for (const SceneryEntry& entry :
         ListSceneryFiles(sourceLabel_->text(), subFolders_->isChecked(), unused_->isChecked())) {
        auto* item = new QListWidgetItem(entry.name, list_);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(entry.checked ? Qt::Checked : Qt::Unchecked);
    }
}

void TF_SceneryCopy::SetAllMarks(bool checked) {
    for (int row = 0; row < list_->count(); ++row)
        list_->item(row)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

void TF_SceneryCopy::SourceClick() {
    Settings& settings = AppSettings();
    if (const QString chosen = ChooseFolder(settings.CopySourceFolder, settings.SceneryFolder);
        !chosen.isEmpty())
        SetSourceFolder(chosen);
}

void TF_SceneryCopy::DestinationClick() {
    Settings& settings = AppSettings();
    if (const QString chosen = ChooseFolder(settings.CopyTargetFolder, settings.FlyFolder); !chosen.isEmpty())
        SetDestinationFolder(chosen);
}

void TF_SceneryCopy::CopyClick() {
    if (sourceLabel_->text().isEmpty() || destinationLabel_->text().isEmpty()) {
        ShowInfo(TF_SceneryCopy::tr("Autre Source ou Cible non défini!"));
        return;
    }
    const SceneryCopyRequest request{sourceLabel_->text(), destinationLabel_->text(), Entries(),
                                     static_cast<SourceMode>(modes_->checkedId())};
    QList<Failure> failed;
    if (CopyAll(request, failed) && failed.isEmpty())
        hide();
    else
        ShowOutcome(NotChanged(failed));
}

// False when the copy stopped before its end (cancelled, or a deletion refused).
bool TF_SceneryCopy::CopyAll(const SceneryCopyRequest& request, QList<Failure>& failed) {
    TF_Progress progress(this, TF_SceneryCopy::tr("Copie des scènes en cours"));
    const JournalScope journal(AppSettings().FlyFolder,
                               QString::fromUtf8(QT_TRANSLATE_NOOP("Operation", "Déplacement [scènes]")));
    SceneryCopy copy(request);
    for (;;) {
        const SceneryCopy::Step step = copy.Continue(progress);
        const bool yes = ShowOutcome(SceneryCopyBoxes(copy, step));
        failed = copy.Failed();
        if (!copy.Asking())
            return !copy.Cancelled();
        copy.Answer(yes);
        if (!yes) {
            ShowInfo(QCoreApplication::translate(
                "SceneryTransfer", "NON copié ! Séléectionner la valeur souhaitée et réessayé!"));
            return false;
        }
        failed = copy.Failed();
    }
}

// Minimising sends a spontaneous event; only a real hiding empties the list.
void TF_SceneryCopy::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        list_->clear();
}
