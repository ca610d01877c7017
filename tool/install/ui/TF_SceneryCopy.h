#pragma once

#include "install/SceneryTransfer.h"

#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QListWidget;

// Copies or moves scenery files, with their sub-folders, from one scenery folder to another.
class TF_SceneryCopy final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TF_SceneryCopy)
  public:
    explicit TF_SceneryCopy(QWidget* parent = nullptr);

    SceneryEntries Entries() const;
    void SetSourceFolder(const QString& folder);
    void SetDestinationFolder(const QString& folder);

    void SourceClick();
    void DestinationClick();
    void CopyClick();
    void FillList();
    void SetAllMarks(bool checked);

  protected:
    void hideEvent(QHideEvent* event) override;

  private:
    bool CopyAll(const SceneryCopyRequest& request, QList<Failure>& failed);
    QWidget* BuildFolders();
    QWidget* BuildOptions();
    QLayout* BuildButtons();

    QLabel* sourceLabel_;
    QLabel* destinationLabel_;
    QListWidget* list_;
    QCheckBox* subFolders_;
    QCheckBox* unused_;
    QButtonGroup* modes_;
};
