#include "shell/ui/TF_History.h"

#include "shell/ChangeJournal.h"
#include "shell/JournalUndo.h"
#include "shell/Outcome.h"
#include "shell/Settings.h"
#include "shell/ui/ShowOutcome.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QPushButton* Button(const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromUtf8(caption));
    button->setObjectName(QLatin1String(name));
    return button;
}

QSpinBox* SpinBox(const char* name, const char* accessibleName, int maximum) {
    auto* box = new QSpinBox;
    box->setObjectName(QLatin1String(name));
    box->setAccessibleName(QString::fromUtf8(accessibleName));
    box->setRange(1, maximum);
    return box;
}

} // namespace

void UndoOperations(int count) {
    ChangeJournal journal(AppSettings().FlyFolder);
    const Outcome question = UndoQuestion(journal, count);
    if (question.box() != Outcome::Box::Question) {
        ShowOutcome(question);
        return;
    }
    if (ShowOutcome(question))
        ShowOutcome(UndoLast(journal, count));
}

TF_History::TF_History(QWidget* parent)
    : QWidget(parent, Qt::Window), list_(new QListWidget),
      days_(SpinBox("SpinKeepDays", "Garder les opérations pendant (jours)", 3650)),
      megabytes_(SpinBox("SpinKeepMegabytes", "Taille maximale de l'historique (Mo)", 100000)) {
    setObjectName("TF_History");
    setWindowTitle(QStringLiteral("Historique des modifications"));
    list_->setObjectName("ListHistory");
    list_->setAccessibleName(QString::fromUtf8("Opérations enregistrées, la plus récente en haut"));
    list_->setMinimumSize(640, 280);

    auto* last = Button("ButtonUndoLast", "Annuler la dernière opération");
    auto* down = Button("ButtonUndoSelected", "Annuler jusqu'à la sélection");
    auto* close = Button("ButtonClose", "Fermer");
    connect(last, &QPushButton::clicked, this, [this] { Undo(1); });
    connect(down, &QPushButton::clicked, this, [this] { Undo(list_->currentRow() + 1); });
    connect(list_, &QListWidget::itemActivated, this, [this] { Undo(list_->currentRow() + 1); });
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(last);
    buttons->addWidget(down);
    buttons->addStretch();
    buttons->addWidget(close);

    auto* limits = new QFormLayout;
    limits->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    limits->addRow(QString::fromUtf8("Garder les opérations pendant (jours) :"), days_);
    limits->addRow(QString::fromUtf8("Taille maximale de l'historique (Mo) :"), megabytes_);
    auto* note =
        new QLabel(QString::fromUtf8("Les 20 dernières opérations sont toujours gardées. L'historique "
                                     "est rangé hors du répertoire de Fly!2."));
    note->setObjectName("LabelKeep");
    note->setWordWrap(true);
    const JournalLimits kept = LoadJournalLimits();
    days_->setValue(kept.keepDays);
    megabytes_->setValue(int(kept.maxStoreBytes / (1024 * 1024)));
    connect(days_, &QSpinBox::valueChanged, this, &TF_History::SaveLimits);
    connect(megabytes_, &QSpinBox::valueChanged, this, &TF_History::SaveLimits);

    auto* layout = new QVBoxLayout(this);
    auto* intro =
        new QLabel(QString::fromUtf8("Opérations qui ont modifié des fichiers, la plus récente en haut :"));
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
}

void TF_History::Refresh() {
    list_->clear();
    for (const JournalEntry& entry : ChangeJournal(AppSettings().FlyFolder).Entries())
        list_->addItem(EntryLine(entry));
    list_->setCurrentRow(0);
}

void TF_History::Undo(int count) {
    UndoOperations(count);
    Refresh();
}

void TF_History::SaveLimits() {
    JournalLimits limits = LoadJournalLimits();
    limits.keepDays = days_->value();
    limits.maxStoreBytes = qint64(megabytes_->value()) * 1024 * 1024;
    SaveJournalLimits(limits);
}
