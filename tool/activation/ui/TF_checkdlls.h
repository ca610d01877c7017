#pragma once

#include "activation/ui/FolderCheckWindow.h"

// Switching the DLLs of the DLL folder on and off.
class TF_checkdlls final : public FolderCheckWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TF_checkdlls)
  public:
    explicit TF_checkdlls(QWidget* parent = nullptr);

    // "DECOCHER DLL CRITIQUES": unchecks the DLLs the simulator can't do without; renames nothing.
    void Button5Click();
};
