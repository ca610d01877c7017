#include "app/TF_main.h"

#include "fs/FileUtils.h"
#include "fs/Outcome.h"
#include "journal/JournalScope.h"
#include "shell/ControlFileSets.h"
#include "shell/Dialogs.h"
#include "shell/Settings.h"
#include "shell/ui/FailureBoxes.h"
#include "shell/ui/ShowOutcome.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <functional>

namespace {

constexpr int ControlFilePage = 5;

// The controls of page 5 that the handlers work on.
struct ControlFileWidgets final {
    QListWidget* keys;
    QLineEdit* keyEdit;
    QListWidget* joysticks;
    QLineEdit* joystickEdit;
    QWidget* help;
};

// The box for a set that wasn't used: the backup that failed, or the copy.
void ShowSetUse(const Result<Done>& used) {
    if (!used)
        ShowOutcome(BackupFailed(used.failure().path, used.failure()));
    else if (!*used)
        ShowOutcome(NotChanged({used->failure()}));
}

// Runs a function whenever the watched widget gets the focus.
class FocusInFilter final : public QObject {
    Q_DISABLE_COPY_MOVE(FocusInFilter)
  public:
    FocusInFilter(QObject* watched, std::function<void()> onFocusIn)
        : QObject(watched), onFocusIn_(std::move(onFocusIn)) {
        watched->installEventFilter(this);
    }

    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::FocusIn)
            onFocusIn_();
        return false;
    }

  private:
    std::function<void()> onFocusIn_;
};

// An empty listing leaves the field as it was.
void FillSetList(QListWidget* list, QLineEdit* edit, const QStringList& names) {
    list->clear();
    list->addItems(names);
    if (names.isEmpty())
        return;
    list->setCurrentRow(0);
    edit->setText(names.first());
}

void DoListBoxWork(const ControlFileWidgets& page) {
    const QString fly = AppSettings().FlyFolder;
    if (fly.isEmpty())
        return;
    FillSetList(page.keys, page.keyEdit, ListKeySets(fly));
    FillSetList(page.joysticks, page.joystickEdit, ListJoystickSets(fly));
}

// ListBox1Enter and ListBox2Enter: the selected set goes into the field beside its list.
void ListBoxEnter(const QListWidget* list, QLineEdit* edit) {
    if (const QListWidgetItem* item = list->currentItem())
        edit->setText(item->text());
}

void ConnectListEnter(QListWidget* list, QLineEdit* edit) {
    const auto enter = [list, edit] { ListBoxEnter(list, edit); };
    QObject::connect(list, &QListWidget::itemClicked, edit, enter);
    QObject::connect(list, &QListWidget::currentRowChanged, edit, enter);
    new FocusInFilter(list, enter);
}

void SaveSetAs(const ControlFileWidgets& page, bool keys) {
    const QString fly = AppSettings().FlyFolder;
    QString start = keys ? WithBackslash(fly) + QStringLiteral("system") : fly;
    const QString chosen =
        keys
            ? PickFile(start, QStringLiteral("fky"),
                       QCoreApplication::translate("TF_main", "Enregistre un nouveau fichier TOUCHE clavier"),
                       QStringLiteral("*.fky|*.fky"))
            : PickFile(
                  start, QStringLiteral("fcr"),
                  QCoreApplication::translate("TF_main", "Enregistre un nouveau fichier MANETTE de jeux"),
                  QStringLiteral("*.fcr|*.fcr"));
    if (chosen.isEmpty())
        return;
    const JournalScope journal(
        fly, keys ? QString::fromUtf8(QT_TRANSLATE_NOOP("Operation", "Enregistrer les Touches sous"))
                  : QString::fromUtf8(QT_TRANSLATE_NOOP("Operation", "Enregistrer les Boutons sous")));
    if (const Done saved = keys ? SaveKeysAs(fly, chosen) : SaveJoystickAs(fly, chosen); !saved)
        ShowOutcome(NotChanged({saved.failure()}));
    DoListBoxWork(page);
}

// "AIDE": the first click shows the help over the explanation, the next hides it again.
void ToggleHelp(QWidget* help) {
    bool& flag = AppSettings().HelpMemoFlag;
    help->setVisible(flag);
    flag = !flag;
}

} // namespace

void TF_main::ConnectControlFilePage() {
    const ControlFileWidgets page{findChild<QListWidget*>("ListBox1"), findChild<QLineEdit*>("Edit1"),
                                  findChild<QListWidget*>("ListBox2"), findChild<QLineEdit*>("Edit2"),
                                  findChild<QWidget*>("Memo11")};
    connect(notebook_, &QTabWidget::currentChanged, this, [page](int index) {
        if (index == ControlFilePage)
            DoListBoxWork(page);
    });
    ConnectListEnter(page.keys, page.keyEdit);
    ConnectListEnter(page.joysticks, page.joystickEdit);
    OnClick("Button17", [page] {
        const JournalScope journal(
            AppSettings().FlyFolder,
            QString::fromUtf8(QT_TRANSLATE_NOOP("Operation", "Utilisez la sélection (Touches)")));
        ShowSetUse(UseKeySet(AppSettings().FlyFolder, page.keyEdit->text()));
    });
    OnClick("Button24", [page] {
        const JournalScope journal(
            AppSettings().FlyFolder,
            QString::fromUtf8(QT_TRANSLATE_NOOP("Operation", "Utilisez la sélection (Boutons)")));
        ShowSetUse(UseJoystickSet(AppSettings().FlyFolder, page.joystickEdit->text()));
    });
    OnClick("Button18", [page] { SaveSetAs(page, true); });
    OnClick("Button23", [page] { SaveSetAs(page, false); });
    OnClick("Button25", [page] { ToggleHelp(page.help); });
}
