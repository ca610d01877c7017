#pragma once

#include "install/AddonLibrary.h"

#include <QWidget>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

// "Bibliothèque des add-ons": every add-on the installer installed, with the files it owns and what lies
// under each; previews and removes any one of them, in any order.
class TF_AddonLibrary final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TF_AddonLibrary)
  public:
    explicit TF_AddonLibrary(QWidget* parent = nullptr);

    // Reads the library of the simulator folder of the settings again.
    void Refresh();
    void PreviewClick();
    void RemoveClick();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QLayout* BuildButtons();
    void ShowFiles();
    void Renamed(QTableWidgetItem* item);
    // The removal buttons work on the selected add-on; a damaged library removes none.
    void EnableRemoval();
    // The selected add-on's index in the library, or -1.
    int SelectedRow() const;
    // The same, with the box that says why when there is none.
    int Selected();
    // Asks before a removal: whether to remove, to keep files changed since, to rebuild a database
    // changed by hand. False when the user said No to one of them.
    bool Confirmed(const struct RemovalPlan& plan, bool& keepChanged);

    QLabel* state_;
    QTableWidget* table_;
    QListWidget* files_;
    QPlainTextEdit* log_;
    QPushButton* preview_;
    QPushButton* remove_;
    AddonLibrary library_;
    Done loaded_; // the library as read: damaged when it fails
};
