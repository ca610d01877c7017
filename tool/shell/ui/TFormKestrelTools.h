#pragma once

#include <QStringList>
#include <QWidget>

class QFileDialog;

// The invisible window that holds the tool's shared open dialog.
class TFormKestrelTools final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TFormKestrelTools)
public:
    explicit TFormKestrelTools(QWidget* parent = nullptr);

    // Opens the dialog modally in startFolder. The default extension (three characters at most), the
    // title and the filter are set only when given, so an empty one keeps the previous setting. The file
    // name starts empty every time; a name that doesn't exist yet is accepted. The full path of the
    // chosen file, or empty. The process's current folder is the same afterwards.
    QString PickFile(const QString& startFolder, const QString& defaultExtension, const QString& title,
                     const QString& filter);

    QFileDialog* OpenDialog1() const { return dialog_; }

    // "Text files|*.txt;*.log|All|*.*" in Qt's form: {"Text files (*.txt *.log)", "All (*.*)"}; a
    // description that already names its patterns ("Inputfile (*.txt)|*.TXT") is taken as it stands.
    static QStringList QtNameFilters(const QString& filter);

private:
    void ClearFileName();

    QFileDialog* dialog_;
};
