#pragma once

#include "shell/Progress.h"

#include <QDialog>

#include <functional>
#include <optional>

class QLabel;
class QProgressBar;
class QPushButton;

// The progress window of long work: files done out of files to do, bytes, the current file and "Annuler".
// It appears only once the work has lasted about half a second, modal so that nothing else starts
// meanwhile. The work runs on the window's thread and lets events run between two files and while it
// waits; before the window appears only repaints run, so that no click starts other work.
class TF_Progress final : public QDialog, public Progress {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TF_Progress)
  public:
    // Milliseconds from any fixed origin; by default the system's steady clock.
    using Clock = std::function<qint64()>;
    TF_Progress(QWidget* owner, const QString& title, Clock clock = SteadyMilliseconds);
    static qint64 SteadyMilliseconds();

    void Start(int files, qint64 bytes) override;
    bool Step(const QString& file, qint64 bytes) override;
    void Wait() override;

    // Escape and the window's close button cancel like "Annuler".
    void reject() override;

  private:
    void Refresh();

    QLabel* files_;
    QLabel* bytes_;
    QLabel* current_;
    QProgressBar* bar_;
    QPushButton* cancel_;
    Clock clock_;
    std::optional<qint64> started_;
    QString file_;
    int allFiles_ = 0;
    int doneFiles_ = -1; // Step counts the file it announces once the next one comes
    qint64 allBytes_ = 0;
    qint64 doneBytes_ = 0;
    qint64 currentBytes_ = 0;
    bool cancelled_ = false;
};
