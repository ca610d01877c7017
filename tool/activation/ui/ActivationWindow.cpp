#include "activation/ui/ActivationWindow.h"

#include "activation/ActivationListing.h"
#include "journal/JournalScope.h"
#include "shell/Settings.h"
#include "shell/ui/FailureBoxes.h"
#include "shell/ui/ShowOutcome.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

QPushButton* AddButton(QBoxLayout* row, const char* name, const char* caption) {
    auto* button = new QPushButton(QCoreApplication::translate("ActivationWindow", caption));
    button->setObjectName(QLatin1String(name));
    row->addWidget(button);
    return button;
}

} // namespace

ActivationWindow::ActivationWindow(ActivationKind kind, const Texts& texts, QWidget* parent)
    : QWidget(parent, Qt::Window), kind_(kind), label3_(new QLabel), list_(new QListWidget),
      extraRow_(new QHBoxLayout) {
    setWindowTitle(tr(texts.caption));
    auto* header = new QLabel(tr(texts.header));
    header->setObjectName(QStringLiteral("Label1"));
    label3_->setObjectName(QStringLiteral("Label3"));
    label3_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    list_->setObjectName(QLatin1String(texts.listName));
    list_->setAccessibleName(tr(texts.listAccessibleName));
    list_->setSortingEnabled(false);

    auto* buttons = new QHBoxLayout;
    connect(AddButton(buttons, "Button1", QT_TR_NOOP("OK, CHANGER et QUITTER")), &QPushButton::clicked, this,
            &ActivationWindow::Button1Click);
    connect(AddButton(buttons, "Button2", QT_TR_NOOP("ANNULER sans changement")), &QPushButton::clicked, this,
            &ActivationWindow::Button2Click);
    auto* marks = new QHBoxLayout;
    connect(AddButton(marks, "Button3", texts.checkAll), &QPushButton::clicked, this,
            &ActivationWindow::Button3Click);
    connect(AddButton(marks, "Button4", texts.uncheckAll), &QPushButton::clicked, this,
            &ActivationWindow::Button4Click);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(header);
    layout->addWidget(label3_);
    layout->addWidget(list_, 1);
    layout->addLayout(marks);
    layout->addLayout(extraRow_);
    layout->addLayout(buttons);
    resize(560, 520);
}

ActivationEntries ActivationWindow::Entries() const {
    ActivationEntries entries;
    for (int row = 0; row < list_->count(); ++row) {
        const QListWidgetItem* item = list_->item(row);
        entries.append({item->text(), item->checkState() == Qt::Checked});
    }
    return entries;
}

void ActivationWindow::SetEntries(ActivationEntries entries) {
    SortEntries(entries);
    list_->clear();
    for (const ActivationEntry& entry : entries) {
        auto* item = new QListWidgetItem(entry.name, list_);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(entry.checked ? Qt::Checked : Qt::Unchecked);
    }
    loaded_ = true;
}

QString ActivationWindow::FolderLabel() const {
    return label3_->text();
}

void ActivationWindow::SetFolderLabel(const QString& folder) {
    label3_->setText(folder);
}

// A rename that failed keeps the window open, so the user sees what stayed as it was.
void ActivationWindow::Button1Click() {
    Tally switched;
    {
        const JournalScope journal(AppSettings().FlyFolder, ActivationName(kind_));
        switched = ApplyActivation({kind_, FolderLabel(), RootFolder(), Entries()});
    }
    if (!switched.failed.isEmpty()) {
        ShowOutcome(NotChanged(switched.failed));
        return;
    }
    hide();
}

void ActivationWindow::Button2Click() {
    hide();
}

void ActivationWindow::Button3Click() {
    SetAllMarks(true);
}

void ActivationWindow::Button4Click() {
    SetAllMarks(false);
}

void ActivationWindow::SetAllMarks(bool checked) {
    for (int row = 0; row < list_->count(); ++row)
        list_->item(row)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

// Minimising and restoring send spontaneous events; only a real showing lists and a real hiding empties.
void ActivationWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous() && !loaded_ && list_->count() == 0)
        FillList();
}

void ActivationWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (event->spontaneous())
        return;
    list_->clear();
    loaded_ = false;
}
