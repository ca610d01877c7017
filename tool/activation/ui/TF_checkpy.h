#pragma once

#include <QWidget>

// Window "Activation PY" (to be completed).
class TF_checkpy final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TF_checkpy)
public:
    explicit TF_checkpy(QWidget* parent = nullptr);
};
