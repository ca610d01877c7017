#pragma once

#include <QWidget>

// Window "Activation DLL" (to be completed).
class TF_checkdlls final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TF_checkdlls)
public:
    explicit TF_checkdlls(QWidget* parent = nullptr);
};
