#pragma once

#include "journal/JournalEntry.h"

#include <QList>
#include <QStringList>
#include <QWidget>

class QListWidget;
class QSpinBox;
class QTimer;

// "Historique des modifications": the journaled operations on the simulator folder, newest first, as they
// are written; undoes the last one, or every one down to the selected row, and sets how long the history
// is kept.
class TF_History final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TF_History)
  public:
    explicit TF_History(QWidget* parent = nullptr);

    // Lists the journal of the simulator folder of the settings again.
    void Refresh();
    // Asks, then undoes the rows shown down to row and shows how it went.
    void UndoDownTo(int row);

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void Show(const QList<JournalEntry>& entries);
    void RefreshWhenChanged();
    void SaveLimits();

    QListWidget* list_;
    QSpinBox* days_;
    QSpinBox* megabytes_;
    QTimer* watch_;
    QList<JournalEntry> shown_;
    QStringList signature_;
};

// "Annuler la dernière opération", from any window: asks, undoes, shows the result.
void UndoLastOperation();
