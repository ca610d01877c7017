#pragma once

#include <QDialog>

class QComboBox;
class QFileSystemModel;
class QLabel;
class QLayout;
class QListWidget;
class QTreeView;

// The folder selection dialog: a mount point selector, the folder tree and, for orientation, the files
// of the current folder.
class TFSelDirDlg final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TFSelDirDlg)
public:
    explicit TFSelDirDlg(QWidget* parent = nullptr);

    // Opens modally on start; the chosen folder (no trailing '/' except at the root), empty on "Annuler".
    QString Execute(const QString& start);

    // Shows start (or its nearest existing parent) as the current folder.
    void SetCurrentFolder(const QString& start);
    QString CurrentFolder() const;

private:
    // The folders below "/", the current one kept in view while the tree fills in.
    void SetUpFolderTree();
    QLayout* DialogButtons();
    void FillDrives();
    void DriveChanged(int index);
    void FolderChanged();
    void OkClick();

    QComboBox* drives_;
    QTreeView* folders_;
    QListWidget* files_;
    QFileSystemModel* model_;
    QLabel* folderLabel_;
    QString chosen_;
};
