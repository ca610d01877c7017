#pragma once

#include "shell/PathCheck.h"

#include <QDialog>
#include <utility>
#include <vector>

class QComboBox;
class QGridLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QListWidget;
class QVBoxLayout;

// The path settings window "Sélectionner le chemin". Each read-only field shows the value that OK stores;
// OK also stores the language of the interface.
class TOptionsForm final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TOptionsForm)
  public:
    explicit TOptionsForm(QWidget* parent = nullptr);

    // The main window's start-up check: the stored fly2.exe path taken into the window, the path check
    // run without messages.
    bool CheckPathsQuietly();

    const PathFields& Fields() const { return fields_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    // The rows of the paths, each a button, its caption and the read-only field of its path.
    void AddPathRows();
    // The simulator installations found in Wine, with the button that takes the selected one.
    void AddInstallations(QVBoxLayout& layout);
    static QLabel* AutofillHint();
    // OK and Cancel.
    QLayout* DialogButtons();
    // "Langue de l'interface": the choice of the next start, kept in the user's configuration folder.
    QLayout* LanguageRow();
    void AddRow(const char* buttonName, const QString& caption, QString PathFields::*field,
                const char* fieldName, const QString& accessibleName, void (TOptionsForm::*action)());
    void AddInfoRow(const char* buttonName, const QString& caption, QString PathFields::*field,
                    const char* fieldName, const QString& accessibleName);
    // The path check with its boxes; a missing subfolder is created only on Yes.
    bool CheckPaths();
    // What choosing flyExe with the fly2.exe button does.
    void UseFlyExe(const QString& flyExe);
    void ChooseFlyExe();
    void ChooseFlyStart();
    void ChooseFly2Slice();
    static void ChooseFolderInto(QString& setting, QString& field);
    void ChooseTgaFolder();
    void ChooseRasFolder();
    // The four buttons whose paths are only ever derived.
    void ShowAutofillInfo();
    void ShowFields();
    void OkClick();
    // Fills the fields as choosing the FLY2.EXE of the installation selected in the list would.
    void UseInstallationClick();

    PathFields fields_;
    std::vector<std::pair<QLineEdit*, QString PathFields::*>> edits_;
    QGridLayout* grid_;
    QListWidget* installations_; // the simulator folders registered in the Wine prefixes
    QComboBox* language_;        // the language of the next start, stored by OK
};
