#include "shell/ui/TFormKestrelTools.h"

#include "shell/NativeFs.h"

#include <QDir>
#include <QFileDialog>

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
        if (!patterns.isEmpty())
            filters << text + " (" + patterns.join(' ') + ")";
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
    dialog_->selectFile(QString());
    QString chosen;
    if (dialog_->exec() == QDialog::Accepted && !dialog_->selectedFiles().isEmpty())
        chosen = dialog_->selectedFiles().constFirst();
    QDir::setCurrent(savedCurrent);
    return chosen;
}
