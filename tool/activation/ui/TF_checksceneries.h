#pragma once

#include "activation/ui/ActivationWindow.h"

// Switching the scenery files (*.pod, *.scf) of a chosen folder on and off. The folder is asked for at
// each showing; when the user cancels, the window closes as soon as it has appeared.
class TF_checksceneries final : public ActivationWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TF_checksceneries)
  public:
    explicit TF_checksceneries(QWidget* parent = nullptr);

  protected:
    void FillList() override;
    QString RootFolder() const override;
    void paintEvent(QPaintEvent* event) override;

  private:
    bool closeOnPaint_ = false;
};
