#include "app/TF_main.h"

#include "app/SubsystemWindows.h"
#include "fs/Outcome.h"
#include "install/AddonRemoval.h"
#include "install/ui/RemovalBoxes.h"
#include "journal/FolderLock.h"
#include "journal/JournalScope.h"
#include "shell/ArgumentHandover.h"
#include "shell/Dialogs.h"
#include "shell/MainActions.h"
#include "shell/PathCheck.h"
#include "shell/Preferences.h"
#include "shell/Settings.h"
#include "shell/ui/FailureBoxes.h"
#include "shell/ui/ShowOutcome.h"
#include "shell/ui/TF_History.h"
#include "shell/ui/TOptionsForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <exception>

namespace {

constexpr int InitPage = 1;
constexpr int InstallPage = 7;

QToolButton* ArrowButton(const char* name, Qt::ArrowType arrow, const QString& accessibleName) {
    auto* button = new QToolButton;
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setAccessibleName(accessibleName);
    button->setMinimumSize(40, 28);
    return button;
}

QLabel* TitleLabel() {
    auto* title = new QLabel("FLY! 2 Kestrel 1.7");
    title->setObjectName("Label1");
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 2);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);
    return title;
}

} // namespace

TF_main::TF_main(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      handover_(new ArgumentHandover(this)), notebook_(new QTabWidget) {
    setObjectName("F_main");
    setWindowTitle(tr("Optimise les performances de votre Fly!2 !"));
    AddPages();

    auto* footer =
        new QLabel(tr("Facilite l'ajustement des paramètres pour améliorer les performances de Fly!2"));
    footer->setObjectName("Label2");
    footer->setAlignment(Qt::AlignCenter);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(TitleLabel());
    layout->addWidget(notebook_, 1);
    layout->addLayout(BottomButtons());
    layout->addWidget(footer);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    ConnectButtons();
    ConnectProfileButtons();
    ConnectControlFilePage();
    connect(handover_, &ArgumentHandover::ArgumentArrived, this, &TF_main::TakeHandedArgument);
}

void TF_main::AddPages() {
    notebook_->setObjectName("TabbedNotebook1");
    notebook_->tabBar()->setUsesScrollButtons(false);
    notebook_->tabBar()->setElideMode(Qt::ElideNone);
    notebook_->addTab(PagePrincipal(), tr("Principal"));
    notebook_->addTab(PageInit(), tr("Init"));
    notebook_->addTab(PageIniFiles(), tr("fly.ini/render.ini"));
    notebook_->addTab(PageActivation(), tr("*.dll && py-c activation")); // "&&" shows one "&"
    notebook_->addTab(PageSlicer(), tr("fly2slice"));
    notebook_->addTab(PageControlFiles(), tr("Fichiers Touches/Manettes"));
    notebook_->addTab(PageSceneries(), tr("Scènes"));
    notebook_->addTab(PageInstall(), tr("Installation"));
}

QLayout* TF_main::BottomButtons() {
    auto* quit = new QPushButton(tr("QUITTER"));
    quit->setObjectName("Button1");
    quit->setMinimumWidth(160);
    auto* left = ArrowButton("BBAllgStatL", Qt::LeftArrow, tr("Page précédente"));
    auto* right = ArrowButton("BBAllgStatR", Qt::RightArrow, tr("Page suivante"));
    connect(quit, &QPushButton::clicked, this, &QWidget::close);
    connect(left, &QToolButton::clicked, this, &TF_main::GoPageLeft);
    connect(right, &QToolButton::clicked, this, &TF_main::GoPageRight);
    auto* undo = new QPushButton(tr("Annuler la dernière opération"));
    undo->setObjectName("ButtonUndo");
    auto* history = new QPushButton(tr("Historique des modifications"));
    history->setObjectName("ButtonHistory");
    connect(undo, &QPushButton::clicked, this, [] { UndoLastOperation(); });
    connect(history, &QPushButton::clicked, this, [this] { ShowWindow(windows_->history); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(undo);
    buttons->addStretch();
    buttons->addWidget(left);
    buttons->addWidget(quit);
    buttons->addWidget(right);
    buttons->addStretch();
    buttons->addWidget(history);
    return buttons;
}

const QStringList& TF_main::WorkButtons() {
    static const QStringList names = {"Button2",  "Button3",  "Button4",  "Button5",  "Button6",  "Button8",
                                      "Button9",  "Button10", "Button11", "Button12", "Button14", "Button15",
                                      "Button16", "Button17", "Button18", "Button19", "Button20", "Button21",
                                      "Button22", "Button23", "Button24", "ButtonLibrary"};
    return names;
}

void TF_main::ActivateOtherKeys(bool enable) {
    for (const QString& name : WorkButtons())
        findChild<QPushButton*>(name)->setEnabled(enable);
    notebook_->setCurrentIndex(enable ? 0 : InitPage);
    edit3_->setText(enable ? AppSettings().FlyFolder : QString());
    update();
}

void TF_main::GoPageLeft() {
    const int page = notebook_->currentIndex();
    notebook_->setCurrentIndex(page > 0 ? page - 1 : notebook_->count() - 1);
}

void TF_main::GoPageRight() {
    const int page = notebook_->currentIndex();
    notebook_->setCurrentIndex(page < notebook_->count() - 1 ? page + 1 : 0);
}

void TF_main::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!shown_ && !event->spontaneous()) {
        shown_ = true;
        FormShow();
    }
}

void TF_main::FormShow() {
    PathFields quietFields;
    const bool valid = windows_ != nullptr ? windows_->options.CheckPathsQuietly()
                                           : PathsValidAtStart(quietFields, AppSettings());
    if (!valid) {
        ActivateOtherKeys(false);
        return;
    }
    setWindowTitle(windowTitle() + " >>> " + AppSettings().FlyFolder);
    ActivateOtherKeys(true);
    if (!HoldFlyFolder())
        return;
    // A removal of an add-on that a kill interrupted is undone before anything else changes files.
    ShowOutcome(RecoveryBoxes(RecoverAddonLibrary(AppSettings().FlyFolder)));
    {
        const JournalScope journal(AppSettings().FlyFolder, QString::fromUtf8(QT_TRANSLATE_NOOP(
                                                                "Operation", "Démarrage de FlyKestrel")));
        for (const Failure& missing : CheckPrefs(AppSettings().FlyFolder).failed)
            ShowInfo(tr("Votre systtème Fly! est peut être défectueux. Non trouvé : %1").arg(missing.path));
    }
    OpenStartArgument();
}

void TF_main::OpenStartArgument() {
    if (!StartArgumentIsSource(AppSettings()))
        return;
    notebook_->setCurrentIndex(InstallPage);
    QMetaObject::invokeMethod(this, &TF_main::UMShowInstall, Qt::QueuedConnection);
}

void TF_main::TakeHandedArgument(const QString& argument) {
    setWindowState(windowState() & ~Qt::WindowMinimized);
    ShowWindow(*this);
    AppSettings().StartArgument = argument;
    OpenStartArgument();
}

bool TF_main::HoldFlyFolder() {
    if (FolderLock::HoldForSession(AppSettings().FlyFolder)) {
        // Without the socket, a copy started later meets the folder's lock instead.
        (void)handover_->Listen(AppSettings().FlyFolder);
        return true;
    }
    handover_->Close();
    ShowInfo(tr("Une autre copie de FlyKestrel est déjà ouverte sur %1.\nCelle-ci peut afficher les listes, "
                "les réglages, l'historique des modifications et la bibliothèque des add-ons, mais ne peut "
                "rien changer dans ce dossier (activer, installer, enregistrer, annuler) tant que l'autre "
                "reste ouverte.")
                 .arg(AppSettings().FlyFolder));
    return false;
}

void TF_main::closeEvent(QCloseEvent* event) {
    // The window closes and the tool ends whatever happens; a preferences file that can't be written is
    // left as it was (it is written whole through a temporary), and the user learns the settings were not
    // kept rather than finding them gone at the next start.
    if (const Done written = WritePreferences(PreferencesFile()); !written)
        ShowOutcome(NotChanged({written.failure()}));
    event->accept();
    emit EndTool();
}

void TF_main::OnClick(const char* buttonName, std::function<void()> handler) {
    connect(findChild<QPushButton*>(buttonName), &QPushButton::clicked, this, std::move(handler));
}
