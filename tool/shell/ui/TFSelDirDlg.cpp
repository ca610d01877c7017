#include "shell/ui/TFSelDirDlg.h"

#include "fs/NativeFs.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>

TFSelDirDlg::TFSelDirDlg(QWidget* parent)
    : QDialog(parent), drives_(new QComboBox), folders_(new QTreeView), files_(new QListWidget),
      model_(new QFileSystemModel(this)), folderLabel_(new QLabel) {
    setObjectName("FSelDirDlg");
    setWindowTitle(tr("Sélectionner un répertoire"));
    setModal(true);

    drives_->setObjectName("DriveComboBox1");
    drives_->setAccessibleName(tr("Lecteur"));
    folderLabel_->setObjectName("DirLabel");
    folderLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    files_->setObjectName("FileListBox1");
    files_->setAccessibleName(tr("Fichiers du répertoire"));
    files_->setSelectionMode(QAbstractItemView::NoSelection);
    SetUpFolderTree();
    connect(drives_, &QComboBox::activated, this, &TFSelDirDlg::DriveChanged);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(drives_);
    layout->addWidget(folderLabel_);
    layout->addWidget(folders_, 3);
    layout->addWidget(new QLabel(tr("Fichiers du répertoire :")));
    layout->addWidget(files_, 2);
    layout->addLayout(DialogButtons());
    resize(536, 496);
}

void TFSelDirDlg::SetUpFolderTree() {
    model_->setFilter(QDir::Dirs | QDir::NoDotAndDotDot);
    model_->setRootPath("/");
    folders_->setObjectName("DirectoryListBox1");
    folders_->setAccessibleName(tr("Répertoires"));
    folders_->setModel(model_);
    for (int column = 1; column < model_->columnCount(); ++column)
        folders_->hideColumn(column);
    folders_->header()->hide();
    connect(folders_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TFSelDirDlg::FolderChanged);
    // The tree fills in as folders are read, so the current folder is brought into view once they are.
    const auto showCurrent = [this] {
        folders_->scrollTo(folders_->currentIndex(), QAbstractItemView::PositionAtCenter);
    };
    connect(model_, &QFileSystemModel::directoryLoaded, this, showCurrent, Qt::QueuedConnection);
    connect(model_, &QFileSystemModel::layoutChanged, this, showCurrent, Qt::QueuedConnection);
}

QLayout* TFSelDirDlg::DialogButtons() {
    auto* ok = new QPushButton("OK");
    ok->setObjectName("OKBtn");
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("Annuler"));
    cancel->setObjectName("CancelBtn");
    connect(ok, &QPushButton::clicked, this, &TFSelDirDlg::OkClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    return buttons;
}

void TFSelDirDlg::FillDrives() {
    drives_->clear();
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const bool device = volume.device().startsWith("/dev/");
        if (volume.isValid() && volume.isReady() && (device || volume.isRoot()))
            drives_->addItem(volume.rootPath());
    }
    if (drives_->findText("/") < 0)
        drives_->insertItem(0, "/");
}

void TFSelDirDlg::DriveChanged(int index) {
    SetCurrentFolder(drives_->itemText(index));
}

void TFSelDirDlg::SetCurrentFolder(const QString& start) {
    QString folder = start.isEmpty() ? QDir::currentPath() : ResolvePath(start);
    while (!QFileInfo(folder).isDir() && folder != "/" && !folder.isEmpty())
        folder = QFileInfo(folder).absolutePath();
    if (folder.isEmpty())
        folder = "/";
    folder = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());

    FillDrives();
    const QString mountPoint = QStorageInfo(folder).rootPath();
    if (drives_->findText(mountPoint) < 0)
        drives_->addItem(mountPoint);
    drives_->setCurrentIndex(drives_->findText(mountPoint));

    folders_->setRootIndex(model_->index(mountPoint).parent());
    const QModelIndex index = model_->index(folder);
    folders_->setCurrentIndex(index);
    folders_->expand(index);
    folders_->scrollTo(index);
    FolderChanged();
}

QString TFSelDirDlg::CurrentFolder() const {
    const QModelIndex index = folders_->currentIndex();
    return index.isValid() ? model_->filePath(index) : drives_->currentText();
}

void TFSelDirDlg::FolderChanged() {
    files_->clear();
    folderLabel_->setText(CurrentFolder());
    const QDir folder(CurrentFolder());
    files_->addItems(folder.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase));
}

void TFSelDirDlg::OkClick() {
    chosen_ = CurrentFolder();
    accept();
}

QString TFSelDirDlg::Execute(const QString& start) {
    chosen_.clear();
    SetCurrentFolder(start);
    return exec() == QDialog::Accepted ? chosen_ : QString();
}
