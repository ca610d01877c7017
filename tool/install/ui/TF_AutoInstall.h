#pragma once

#include "install/AddonInstall.h"

#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// The add-on installer: copies the files of an unpacked add-on to where they belong in the simulator
// folder and imports DEX files into its database.
class TF_AutoInstall final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TF_AutoInstall)
  public:
    explicit TF_AutoInstall(QWidget* parent = nullptr);

    // The source: a folder, or an archive.
    QString SourceFolder() const { return sourceFolder_; }
    void SetSourceFolder(const QString& folder);
    InstallType Type() const;
    void SetType(InstallType type);

    void SourceClick();
    void SourceArchiveClick();
    void SaveSourceClick();
    void DestinationClick();
    void FlyFolderClick();
    void ExternalClick();
    void SaveExternalClick();
    void HelpClick();
    void PreviewClick();
    void InstallClick();

  signals:
    // "Bibliothèque des add-ons": the window that lists what was installed.
    void LibraryRequested();

  protected:
    void showEvent(QShowEvent* event) override;
    // One local file or folder dropped on the window becomes the source.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    QWidget* BuildSource();
    QWidget* BuildDestination();
    QWidget* BuildOptions();
    QLayout* BuildButtons();
    // The rules of the type just chosen (by the user, or when the window is shown).
    void TypeChanged();
    void EnableDestinationButtons();
    void AppendLog(const QString& line);
    InstallRequest Request() const;

    QString sourceFolder_;
    QLabel* sourceLabel_;
    QListWidget* sourceList_;
    QLineEdit* destination_;
    QLabel* baseLabel_;
    QList<QPushButton*> destinationButtons_;
    QButtonGroup* types_;
    QCheckBox* rename_;
    QCheckBox* pause_;
    QPlainTextEdit* log_;
    int shownType_ = 0; // the type whose rules apply now
};
