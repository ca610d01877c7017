#pragma once

#include <QWidget>

class QListWidget;
class QSpinBox;

// "Historique des modifications": the journaled operations on the simulator folder, newest first; undoes
// the last one, or every one down to the selected row, and sets how long the history is kept.
class TF_History final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TF_History)
  public:
    explicit TF_History(QWidget* parent = nullptr);

    // Lists the journal of the simulator folder of the settings again.
    void Refresh();
    // Asks, then undoes the newest count operations and shows how it went.
    void Undo(int count);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void SaveLimits();

    QListWidget* list_;
    QSpinBox* days_;
    QSpinBox* megabytes_;
};

// What "Annuler la dernière opération" does, from any window: asks, undoes, shows the result.
void UndoOperations(int count);
