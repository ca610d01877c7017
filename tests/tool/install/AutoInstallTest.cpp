// The installer window driven as the user does, for scenery, taxiways and the types not implemented.
#include "EnglishInterface.h"
#include "InstallFixture.h"

#include "install/ui/TF_AutoInstall.h"
#include "shell/ui/THelpForm.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <algorithm>

namespace {

void Click(const QWidget& window, const char* name) {
    auto* button = window.findChild<QPushButton*>(QLatin1String(name));
    ASSERT_NE(button, nullptr) << name;
    ASSERT_TRUE(button->isEnabled()) << name;
    button->click();
}

QStringList Log(const QWidget& window) {
    return window.findChild<QPlainTextEdit*>("MemoLog")->toPlainText().split('\n');
}

QString Destination(const QWidget& window) {
    return window.findChild<QLineEdit*>("EditDestination")->text();
}

void SetDestination(const QWidget& window, const QString& text) {
    window.findChild<QLineEdit*>("EditDestination")->setText(text);
}

void ChooseType(const QWidget& window, int type) {
    window.findChild<QRadioButton*>(QStringLiteral("RadioType%1").arg(type))->click();
}

const QString Planned = QStringLiteral("*** Installation : étapes prévues ***");

class AutoInstallTest : public InstallFixture {
  protected:
    void SetUp() override {
        InstallFixture::SetUp();
        fly_ = MakeFly2();
        window_.show();
    }

    // The installer opened on a source folder as the main window does for a start argument.
    void OpenOn(const QString& folder) { window_.SetSourceFolder(folder); }

    // The preview lines of a copy from the add-on into the simulator, then of the rename of its source.
    QStringList Copy(const QString& name, const QString& folder, bool renamed = true) const {
        QStringList lines{"Copie : " + Path("addon/" + name) + " -> " + fly_ + folder + name};
        if (renamed)
            lines << "Renommage : " + Path("addon/" + name) + " -> " + Path("addon/" + name + ".installed");
        return lines;
    }

    QString fly_;
    TF_AutoInstall window_;
};

TEST_F(AutoInstallTest, StartArgumentOpensTheInstallerOnThatFolder) {
    CreateFile("addon/scene.pod");
    CreateFile("addon/sub/other.scf");
    EXPECT_EQ(window_.windowTitle(), QStringLiteral("INSTALLATION scénes/avions/objets (semi-)automatique"));
    EXPECT_EQ(Log(window_), QStringList({"Activity Log:"}));
    OpenOn(Path("addon"));
    EXPECT_EQ(window_.SourceFolder(), Path("addon"));
    const auto* list = window_.findChild<QListWidget*>("ListSource");
    QStringList entries;
    for (int row = 0; row < list->count(); ++row)
        entries << list->item(row)->text();
    EXPECT_EQ(entries, QStringList({Path("addon/scene.pod"), Path("addon/sub")}));
}

TEST_F(AutoInstallTest, SceneryExampleInstallsMarksAndFailsTheSecondTime) {
    CreateFile("addon/scene.pod", "pod");
    CreateFile("addon/scene.scf", "scf");
    CreateFile("addon/road.bgr", "bgr");
    CreateFile("addon/readme.txt");
    OpenOn(Path("addon"));
    EXPECT_EQ(Destination(window_), fly_ + "scenery/");
    Click(window_, "ButtonInstall");
    const QStringList first =
        QStringList{"Activity Log:", Planned} + Copy("road.bgr", "data/") + Copy("scene.pod", "scenery/") +
        Copy("scene.scf", "scenery/") +
        QStringList{"*** Installing Scenery ***", "Installed: " + fly_ + "data/road.bgr",
                    "Installed: " + fly_ + "scenery/scene.pod", "Installed: " + fly_ + "scenery/scene.scf",
                    "*** Installation finished ***"};
    EXPECT_EQ(Log(window_), first);
    EXPECT_EQ(Read("Fly2/scenery/scene.pod"), "pod");
    EXPECT_EQ(Read("Fly2/data/road.bgr"), "bgr");
    EXPECT_EQ(FilesBelow("addon"), QStringList({"readme.txt", "road.bgr.installed", "scene.pod.installed",
                                                "scene.scf.installed"}));

    // The list still holds the old names, whose files are gone now.
    Click(window_, "ButtonInstall");
    EXPECT_EQ(Log(window_),
              first +
                  QStringList({Planned,
                               "Non installé : " + Path("addon/road.bgr") + " (fichier source introuvable)",
                               "Non installé : " + Path("addon/scene.pod") + " (fichier source introuvable)",
                               "Non installé : " + Path("addon/scene.scf") + " (fichier source introuvable)",
                               "*** Installing Scenery ***",
                               "FAILED!!!: " + Path("addon/road.bgr") + " (fichier source introuvable)",
                               "FAILED!!!: " + Path("addon/scene.pod") + " (fichier source introuvable)",
                               "FAILED!!!: " + Path("addon/scene.scf") + " (fichier source introuvable)",
                               "*** Installation finished ***"}));
    EXPECT_TRUE(dialogs_.Texts().isEmpty());
}

// "Aperçu" replaces the log with what the installation would do and changes nothing; the installation
// then continues that log. A refused preview leaves the log as it was.
TEST_F(AutoInstallTest, PreviewFillsTheLogAndChangesNothing) {
    CreateFile("addon/scene.pod", "pod");
    CreateFile("addon/readme.txt");
    OpenOn(Path("addon"));
    const QMap<QString, QByteArray> before = Snapshot({});
    Click(window_, "ButtonPreview");
    const QStringList preview =
        QStringList{"*** Aperçu : rien n'a été modifié ***"} + Copy("scene.pod", "scenery/");
    EXPECT_EQ(Log(window_), preview);
    EXPECT_EQ(Listed(Snapshot({})), Listed(before));

    ChooseType(window_, 1);
    Click(window_, "ButtonPreview");
    EXPECT_EQ(dialogs_.Texts(),
              QStringList({"Select EXTERNAL scenery folder OR check [scenery] radiobutton"}));
    EXPECT_EQ(Log(window_), preview);
    ChooseType(window_, 0);
    Click(window_, "ButtonInstall");
    EXPECT_EQ(Log(window_),
              preview + QStringList{Planned} + Copy("scene.pod", "scenery/") +
                  QStringList({"*** Installing Scenery ***", "Installed: " + fly_ + "scenery/scene.pod",
                               "*** Installation finished ***"}));
}

TEST_F(AutoInstallTest, EnglishLogsThePreviewAndTheInstallationInEnglish) {
    const EnglishInterface english(Path("config"));
    CreateFile("addon/scene.pod", "pod");
    OpenOn(Path("addon"));
    Click(window_, "ButtonPreview");
    const QStringList steps{"Copy: " + Path("addon/scene.pod") + " -> " + fly_ + "scenery/scene.pod",
                            "Rename: " + Path("addon/scene.pod") + " -> " +
                                Path("addon/scene.pod.installed")};
    EXPECT_EQ(Log(window_), QStringList{"*** Preview: nothing was changed ***"} + steps);
    Click(window_, "ButtonInstall");
    EXPECT_EQ(Log(window_).mid(3),
              QStringList{"*** Installation: planned steps ***"} + steps +
                  QStringList({"*** Installing Scenery ***", "Installed: " + fly_ + "scenery/scene.pod",
                               "*** Installation finished ***"}));
}

TEST_F(AutoInstallTest, UpperCaseExtensionsInstallAndSourcesStayWithoutTheRenameOption) {
    CreateFile("addon/SCENE.POD");
    CreateFile("addon/ROADS.TXP");
    CreateFile("addon/GRASS.TMS");
    OpenOn(Path("addon"));
    window_.findChild<QCheckBox*>("CheckRename")->setChecked(false);
    Click(window_, "ButtonInstall");
    EXPECT_EQ(Log(window_).mid(1),
              QStringList{Planned} + Copy("GRASS.TMS", "data/", false) + Copy("ROADS.TXP", "data/", false) +
                  Copy("SCENE.POD", "scenery/", false) +
                  QStringList({"*** Installing Scenery ***", "Installed: " + fly_ + "data/GRASS.TMS",
                               "Installed: " + fly_ + "data/ROADS.TXP",
                               "Installed: " + fly_ + "scenery/SCENE.POD", "*** Installation finished ***"}));
    EXPECT_EQ(FilesBelow("addon"), QStringList({"GRASS.TMS", "ROADS.TXP", "SCENE.POD"}));
}

TEST_F(AutoInstallTest, DestinationMustSuitTheType) {
    CreateFile("addon/scene.pod");
    CreateFile("addon/road.bgr");
    OpenOn(Path("addon"));

    ChooseType(window_, 1);
    EXPECT_EQ(Destination(window_), fly_ + "scenery/");
    Click(window_, "ButtonInstall");
    EXPECT_EQ(dialogs_.Texts(),
              QStringList({"Select EXTERNAL scenery folder OR check [scenery] radiobutton"}));

    // A folder chosen for the destination switches to type 1 and stays in the field.
    dialogs_.AnswerFolder(Path("external"));
    Click(window_, "ButtonDestination");
    EXPECT_EQ(dialogs_.shown().back().text, "/");
    EXPECT_EQ(Destination(window_), Path("external"));
    ChooseType(window_, 1);
    EXPECT_EQ(Destination(window_), Path("external"));
    Click(window_, "ButtonSaveExternal");
    EXPECT_EQ(AppSettings().ExternalSceneryFolder, Path("external"));
    SetDestination(window_, Path("external/new/alps"));
    ChooseType(window_, 0);
    Click(window_, "ButtonInstall");
    EXPECT_EQ(dialogs_.Texts().last(),
              "Réinitialisez la valeur par défaut du répertoire de Fly! ou vérifié le "
              "bouton radio [Fichier scène extérieur]");
    EXPECT_EQ(Log(window_), QStringList({"Activity Log:"}));

    ChooseType(window_, 1);
    Click(window_, "ButtonExternal");
    EXPECT_EQ(Destination(window_), Path("external/"));
    SetDestination(window_, Path("external/new/alps"));
    Click(window_, "ButtonInstall");
    const QStringList external = {
        "Nouveau répertoire : " + Path("external/new/alps/"),
        "Copie : " + Path("addon/scene.pod") + " -> " + Path("external/new/alps/scene.pod"),
        "Renommage : " + Path("addon/scene.pod") + " -> " + Path("addon/scene.pod.installed"),
        "*** Installing Scenery to external/other folder ***",
        "Installed: " + fly_ + "data/road.bgr",
        "Installed: " + Path("external/new/alps/scene.pod"),
        "*** Installation finished ***"};
    EXPECT_EQ(Log(window_).mid(1), QStringList{Planned} + Copy("road.bgr", "data/") + external);
    EXPECT_TRUE(Exists("external/new/alps/scene.pod"));

    Click(window_, "ButtonFlyFolder");
    EXPECT_EQ(Destination(window_), fly_ + "scenery/");
    EXPECT_TRUE(window_.findChild<QRadioButton*>("RadioType0")->isChecked());
    EXPECT_FALSE(window_.findChild<QPushButton*>("ButtonDestination")->isEnabled());
}

// The type's rules follow the checked radio, whether the mouse, the arrow keys or a screen reader
// checked it.
TEST_F(AutoInstallTest, TypeRulesFollowTheCheckedRadioHoweverItWasChecked) {
    const auto radio = [this](int type) {
        return window_.findChild<QRadioButton*>(QStringLiteral("RadioType%1").arg(type));
    };
    const QPushButton* destinationButton = window_.findChild<QPushButton*>("ButtonDestination");
    window_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
    radio(0)->setFocus();
    QTest::keyClick(radio(0), Qt::Key_Down);
    ASSERT_TRUE(radio(1)->isChecked());
    EXPECT_TRUE(destinationButton->isEnabled());
    QTest::keyClick(radio(1), Qt::Key_Down);
    ASSERT_TRUE(radio(2)->isChecked());
    EXPECT_EQ(Destination(window_), fly_ + "taxiways/ *OR* data/");
    EXPECT_FALSE(destinationButton->isEnabled());

    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(radio(1));
    ASSERT_NE(accessible, nullptr);
    ASSERT_NE(accessible->actionInterface(), nullptr);
    accessible->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    ASSERT_TRUE(radio(1)->isChecked());
    EXPECT_EQ(Destination(window_), fly_ + "scenery/");
    EXPECT_TRUE(destinationButton->isEnabled());
}

TEST_F(AutoInstallTest, TaxiwaysTakeEveryPodAndSkipControlFiles) {
    CreateFile("addon/ksea.pod");
    CreateFile("addon/mountain.pod");
    CreateFile("addon/mountain.scf");
    CreateFile("addon/ksea.bgr");
    OpenOn(Path("addon"));
    ChooseType(window_, 2);
    EXPECT_EQ(Destination(window_), fly_ + "taxiways/ *OR* data/");
    Click(window_, "ButtonInstall");
    const QStringList replaced = {Copy("ksea.pod", "taxiways/")[0] + " (remplace le fichier d'origine)",
                                  Copy("ksea.pod", "taxiways/")[1]};
    EXPECT_EQ(
        Log(window_).mid(1),
        QStringList{Planned} + Copy("ksea.bgr", "data/") + replaced + Copy("mountain.pod", "taxiways/") +
            QStringList({"*** Installing Taxiways ***", "Installed: " + fly_ + "data/ksea.bgr",
                         "Installed: " + fly_ + "taxiways/ksea.pod",
                         "Installed: " + fly_ + "taxiways/mountain.pod", "*** Installation finished ***"}));
    EXPECT_FALSE(Exists("Fly2/scenery/mountain.pod"));
    EXPECT_FALSE(Exists("Fly2/taxiways/mountain.scf"));
    EXPECT_TRUE(Exists("addon/mountain.scf"));
}

TEST_F(AutoInstallTest, AircraftAndScriptsInstallNothing) {
    CreateFile("addon/plane.pod");
    OpenOn(Path("addon"));
    ChooseType(window_, 3);
    Click(window_, "ButtonInstall");
    ChooseType(window_, 4);
    Click(window_, "ButtonInstall");
    const QStringList nothing = {Planned, "Aucun fichier à installer", "*** Installation finished ***"};
    EXPECT_EQ(Log(window_).mid(1), nothing + nothing);
    EXPECT_EQ(FilesBelow("addon"), QStringList({"plane.pod"}));
}

TEST_F(AutoInstallTest, SourceFolderChoiceAndDefault) {
    Click(window_, "ButtonInstall");
    EXPECT_EQ(dialogs_.Texts(), QStringList({"Répertoire Source manaquant pour installer!"}));

    // A default source that is gone gives way to its parent.
    AppSettings().InstallSourceFolder = Path("downloads/gone/");
    ASSERT_TRUE(QDir().mkpath(Path("downloads")));
    dialogs_.AnswerFolder(Path("downloads"));
    Click(window_, "ButtonSource");
    EXPECT_EQ(dialogs_.shown().back().text, Path("downloads/"));
    EXPECT_EQ(AppSettings().InstallSourceFolder, Path("downloads/"));

    dialogs_.AnswerFolder(Path("Fly2"));
    Click(window_, "ButtonSource");
    EXPECT_EQ(dialogs_.shown().back().text, Path("downloads"));
    Click(window_, "ButtonSaveSource");
    EXPECT_EQ(AppSettings().InstallSourceFolder, Path("Fly2"));
    EXPECT_EQ(dialogs_.Texts().last(), "Copied: " + Path("Fly2"));
}

// The help window may still hold another window's text: AIDE replaces it with the installer's help and
// shows it over the installer until it is closed. The help names the window's controls in brackets, and
// each is a caption the user finds in the window; the other names in brackets are folders of Fly!2.
TEST_F(AutoInstallTest, HelpShowsTheInstallerHelpModallyAndNamesItsControls) {
    THelpForm help;
    help.SetHelpText("Important: fly.ini");
    QString shown;
    bool modal = false;
    QTimer::singleShot(0, &help, [&] {
        shown = help.HelpText();
        modal = QApplication::activeModalWidget() == &help;
        help.accept();
    });
    Click(window_, "ButtonHelp");
    EXPECT_TRUE(modal);
    EXPECT_TRUE(shown.startsWith("INSTALLATION (semi-)automatique"));
    EXPECT_FALSE(window_.findChild<QPushButton*>("ButtonSaveLog")->isEnabled());

    QStringList captions;
    for (const QAbstractButton* button : window_.findChildren<QAbstractButton*>())
        captions << button->text();
    const QStringList folders{"data", "dex", "scenery", "taxiways", "Fly!2\\scenery", "nom"};
    QStringList controls;
    for (auto match = QRegularExpression("\\[([^]]+)\\]").globalMatch(shown); match.hasNext();) {
        const QString name = match.next().captured(1);
        if (folders.contains(name) || controls.contains(name))
            continue;
        controls << name;
        EXPECT_TRUE(std::any_of(captions.cbegin(), captions.cend(), [&name](const QString& caption) {
            return caption.contains(name);
        })) << name.toStdString();
    }
    EXPECT_EQ(controls.size(), 9) << controls.join(", ").toStdString();
}

} // namespace
