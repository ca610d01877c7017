#include "shell/ui/TF_History.h"

#include "fs/Outcome.h"
#include "journal/ChangeJournal.h"
#include "journal/JournalUndo.h"
#include "shell/Dialogs.h"
#include "shell/Settings.h"
#include "shell/ui/FailureBoxes.h"
#include "shell/ui/ShowOutcome.h"
#include "shell/ui/UndoBoxes.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

#include <functional>

namespace {

QPushButton* Button(const char* name, const QString& caption) {
    auto* button = new QPushButton(caption);
    button->setObjectName(QLatin1String(name));
    return button;
}

QSpinBox* SpinBox(const char* name, const QString& accessibleName, int maximum) {
    auto* box = new QSpinBox;
    box->setObjectName(QLatin1String(name));
    box->setAccessibleName(accessibleName);
    box->setRange(1, maximum);
    return box;
}

// How often an open history looks whether the journal changed.
const int WatchMilliseconds = 500;

using Redisplay = std::function<void(const QList<JournalEntry>&)>;

// Asks about the entries shown down to the row of entry id and undoes them on Yes. When the journal
// changed between showing and the answer, the entries are read again, shown again, and the question is
// asked again about the same row.
void UndoShown(QList<JournalEntry> shown, int id, const Redisplay& redisplay) {
    ChangeJournal journal(AppSettings().FlyFolder);
    for (;;) {
        const auto row = std::find_if(shown.cbegin(), shown.cend(),
                                      [id](const JournalEntry& entry) { return entry.id == id; });
        const int count = int(row - shown.cbegin()) + 1;
        if (row == shown.cend() && !shown.isEmpty()) {
            ShowInfo(TF_History::tr("Cette opération n'est plus dans l'historique des modifications."));
            return;
        }
        const Outcome question = UndoQuestionBoxes(UndoQuestion(shown, count));
        if (question.box() != Outcome::Box::Question) {
            ShowOutcome(question);
            return;
        }
        if (!ShowOutcome(question))
            return;
        if (StillNewest(journal, shown.mid(0, count))) {
            ShowOutcome(UndoBoxes(UndoEntries(journal, shown.mid(0, count))));
            return;
        }
        shown = journal.Entries();
        redisplay(shown);
    }
}

} // namespace

void UndoLastOperation() {
    const QList<JournalEntry> entries = ChangeJournal(AppSettings().FlyFolder).Entries();
    UndoShown(entries, entries.isEmpty() ? 0 : entries.front().id, [](const QList<JournalEntry>&) {});
}

TF_History::TF_History(QWidget* parent)
    : QWidget(parent, Qt::Window), list_(new QListWidget),
      days_(SpinBox("SpinKeepDays", tr("Garder les opérations pendant (jours)"), 3650)),
      megabytes_(SpinBox("SpinKeepMegabytes", tr("Taille maximale de l'historique (Mo)"), 100000)),
      watch_(new QTimer(this)) {
    setObjectName("TF_History");
    setWindowTitle(tr("Historique des modifications"));
    list_->setObjectName("ListHistory");
    list_->setAccessibleName(tr("Opérations enregistrées, la plus récente en haut"));
    list_->setMinimumSize(640, 280);

    auto* last = Button("ButtonUndoLast", tr("Annuler la dernière opération"));
    auto* down = Button("ButtonUndoSelected", tr("Annuler jusqu'à la sélection"));
    auto* close = Button("ButtonClose", tr("Fermer"));
    connect(last, &QPushButton::clicked, this, [this] { UndoDownTo(0); });
    connect(down, &QPushButton::clicked, this, [this] { UndoDownTo(list_->currentRow()); });
    connect(list_, &QListWidget::itemActivated, this, [this] { UndoDownTo(list_->currentRow()); });
    watch_->setInterval(WatchMilliseconds);
    connect(watch_, &QTimer::timeout, this, &TF_History::RefreshWhenChanged);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(last);
    buttons->addWidget(down);
    buttons->addStretch();
    buttons->addWidget(close);

    auto* limits = new QFormLayout;
    limits->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    limits->addRow(tr("Garder les opérations pendant (jours) :"), days_);
    limits->addRow(tr("Taille maximale de l'historique (Mo) :"), megabytes_);
    auto* note = new QLabel(tr("Les 20 dernières opérations sont toujours gardées. L'historique "
                               "est rangé hors du répertoire de Fly!2."));
    note->setObjectName("LabelKeep");
    note->setWordWrap(true);
    const JournalLimits kept = LoadJournalLimits();
    days_->setValue(kept.keepDays);
    megabytes_->setValue(int(kept.maxStoreBytes / (1024 * 1024)));
    // Saved once a value is settled, not at every step of the arrows.
    connect(days_, &QSpinBox::editingFinished, this, &TF_History::SaveLimits);
    connect(megabytes_, &QSpinBox::editingFinished, this, &TF_History::SaveLimits);

    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(tr("Opérations qui ont modifié des fichiers, la plus récente en haut :"));
    intro->setObjectName("LabelHistory");
    layout->addWidget(intro);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
    layout->addLayout(limits);
    layout->addWidget(note);
}

void TF_History::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Refresh();
    watch_->start();
}

void TF_History::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    watch_->stop();
}

void TF_History::Refresh() {
    const ChangeJournal journal(AppSettings().FlyFolder);
    signature_ = journal.Signature();
    Show(journal.Entries());
}

// The selected entry stays selected when others come or go.
void TF_History::Show(const QList<JournalEntry>& entries) {
    const int selected = list_->currentRow() >= 0 && list_->currentRow() < shown_.size()
                             ? shown_[list_->currentRow()].id
                             : 0;
    shown_ = entries;
    list_->clear();
    int row = 0;
    for (const JournalEntry& entry : shown_) {
        list_->addItem(EntryLine(entry));
        if (entry.id == selected)
            row = list_->count() - 1;
    }
    list_->setCurrentRow(shown_.isEmpty() ? -1 : row);
}

void TF_History::RefreshWhenChanged() {
    if (ChangeJournal(AppSettings().FlyFolder).Signature() != signature_)
        Refresh();
}

void TF_History::UndoDownTo(int row) {
    if (row < 0 || row >= shown_.size()) {
        ShowOutcome(UndoQuestionBoxes(UndoQuestion(shown_, 0)));
        return;
    }
    UndoShown(shown_, shown_[row].id, [this](const QList<JournalEntry>& entries) { Show(entries); });
    Refresh();
}

// Writes the limits when they differ from the ones kept, and says so when they can't be written.
void TF_History::SaveLimits() {
    JournalLimits limits = LoadJournalLimits();
    const qint64 maxStoreBytes = qint64(megabytes_->value()) * 1024 * 1024;
    if (limits.keepDays == days_->value() && limits.maxStoreBytes == maxStoreBytes)
        return;
    limits.keepDays = days_->value();
    limits.maxStoreBytes = maxStoreBytes;
    if (const Done saved = SaveJournalLimits(limits); !saved)
        ShowOutcome(NotChanged({saved.failure()}));
}
