#pragma once

#include "fs/Result.h"

#include <QStringList>
#include <QWidget>
#include <functional>

class ArgumentHandover;
struct Settings;
struct SubsystemWindows;
class QCheckBox;
class QLayout;
class QLineEdit;
class QPlainTextEdit;
class QTabWidget;

// The main window: eight pages of work buttons, each handing its work to another window.
class TF_main final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TF_main)
  public:
    explicit TF_main(QWidget* parent = nullptr);

    // The other windows of the tool, known once they all exist.
    void SetWindows(const SubsystemWindows* windows) { windows_ = windows; }

    // The 22 work buttons, usable only while the paths are valid.
    static const QStringList& WorkButtons();
    // Enables or disables the work buttons; page 0 with FlyFolder shown, or page "Init" with it emptied.
    void ActivateOtherKeys(bool enable);
    void GoPageLeft();
    void GoPageRight();

  signals:
    // The tool ends: after the preferences were written on close, or on the launch-and-close road,
    // which leaves them as they were.
    void EndTool();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // The eight pages, in TabbedNotebook1.
    void AddPages();
    // Undo, the page arrows around QUITTER, and the history.
    QLayout* BottomButtons();
    // The pages of TabbedNotebook1 (TF_mainPages.cpp).
    QWidget* PagePrincipal();
    QWidget* PageInit();
    QWidget* PageIniFiles();
    QWidget* PageActivation();
    QWidget* PageSlicer();
    QWidget* PageControlFiles();
    QWidget* PageSceneries();
    QWidget* PageInstall();

    // Runs handler when the button of that name is clicked.
    void OnClick(const char* buttonName, std::function<void()> handler);
    void ConnectButtons();
    void FormShow();
    // Takes the simulator folder for this copy of the tool, and the arguments of the copies started on it
    // later; when another copy has it, says what this one may and may not do, and false.
    bool HoldFlyFolder();
    // Page 7 and the installer on StartArgument when it names an add-on source.
    void OpenStartArgument();
    // The argument of a copy started later on this folder: this window in front, then as at start-up.
    void TakeHandedArgument(const QString& argument);
    void UMShowInstall();
    // Shows the window of another part non-modally, in front.
    void ShowWindow(QWidget& window);
    void EndWithoutSaving();

    void Button7Click();
    void Button5Click();
    void Button6Click();
    void Button8Click();
    void Button9Click();
    // Starts a program with launch inside a journal entry named operation (the *.HST files it may delete),
    // then ends the tool when the user asked for it.
    void StartJournaled(const char* operation, Done (*launch)(const Settings&, bool));
    void Button14Click();
    static void Button16Click();

    // Page 3: profiles and the DLL folder copy (TF_mainProfiles.cpp).
    void ConnectProfileButtons();
    void ShowProfileWindows();
    // Page 5: key and joystick sets (TF_mainControlFiles.cpp).
    void ConnectControlFilePage();

    const SubsystemWindows* windows_ = nullptr;
    ArgumentHandover* handover_;
    QTabWidget* notebook_;
    QLineEdit* edit3_ = nullptr;
    QCheckBox* checkBox1_ = nullptr;
    QCheckBox* checkBox2_ = nullptr;
    bool shown_ = false;
};
