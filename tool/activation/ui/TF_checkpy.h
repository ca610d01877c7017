#pragma once

#include "activation/ui/FolderCheckWindow.h"

// Switching the scripts (*.py, *.pyc) of the script folder on and off.
class TF_checkpy final : public FolderCheckWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TF_checkpy)
  public:
    explicit TF_checkpy(QWidget* parent = nullptr);
};
