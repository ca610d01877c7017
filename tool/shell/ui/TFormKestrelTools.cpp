#include "shell/ui/TFormKestrelTools.h"

#include "fs/NativeFs.h"

#include <QAbstractItemView>
#include <QDir>
#include <QFileDialog>
#include <QItemSelectionModel>
#include <QLineEdit>

TFormKestrelTools::TFormKestrelTools(QWidget* parent)
    : QWidget(parent, Qt::Window), dialog_(new QFileDialog(this)) {
    setObjectName("FormKestrelTools");
    dialog_->setObjectName("OpenDialog1");
    // Qt's own dialog: the same look everywhere, and a filter that matches without regard to case.
    dialog_->setOption(QFileDialog::DontUseNativeDialog);
    dialog_->setAcceptMode(QFileDialog::AcceptOpen);
    dialog_->setFileMode(QFileDialog::AnyFile);
    dialog_->setFilter(dialog_->filter() & ~QDir::CaseSensitive);
}

namespace {

// "Inputfile (*.txt)" for the masks *.TXT: the description already names its patterns (in any case).
bool NamesItsPatterns(const QString& text, const QStringList& patterns) {
    const QString joined = patterns.join(' ');
    if (text.compare(joined, Qt::CaseInsensitive) == 0)
        return true;
    return text.endsWith(')') && text.indexOf('(') >= 0 &&
           text.sliced(text.lastIndexOf('(') + 1).chopped(1).trimmed().compare(joined, Qt::CaseInsensitive) ==
               0;
}

} // namespace

QStringList TFormKestrelTools::QtNameFilters(const QString& filter) {
    const QStringList parts = filter.split('|');
    QStringList filters;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString text = parts[i].trimmed();
        const QString masks = i + 1 < parts.size() ? parts[i + 1] : parts[i];
        QStringList patterns;
        for (const QString& mask : masks.split(';', Qt::SkipEmptyParts))
            if (!mask.trimmed().isEmpty())
                patterns << mask.trimmed();
        if (patterns.isEmpty())
            continue;
        filters << (NamesItsPatterns(text, patterns) ? text : text + " (" + patterns.join(' ') + ")");
    }
    return filters;
}

QString TFormKestrelTools::PickFile(const QString& startFolder, const QString& defaultExtension,
                                    const QString& title, const QString& filter) {
    const QString savedCurrent = QDir::currentPath();
    if (!defaultExtension.isEmpty())
        dialog_->setDefaultSuffix(defaultExtension.left(3));
    if (!title.isEmpty())
        dialog_->setWindowTitle(title);
    if (!filter.isEmpty())
        dialog_->setNameFilters(QtNameFilters(filter));
    dialog_->setDirectory(ResolvePath(startFolder));
    ClearFileName();
    QString chosen;
    if (dialog_->exec() == QDialog::Accepted && !dialog_->selectedFiles().isEmpty())
        chosen = dialog_->selectedFiles().constFirst();
    QDir::setCurrent(savedCurrent);
    return chosen;
}

// selectFile() ignores an empty name, so the name field and the list's selection are emptied by hand:
// the name chosen last time must not be offered as the file to write.
void TFormKestrelTools::ClearFileName() {
    if (auto* name = dialog_->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
        name->clear();
    for (auto* view : dialog_->findChildren<QAbstractItemView*>())
        if (view->selectionModel() != nullptr)
            view->selectionModel()->clearSelection();
}
