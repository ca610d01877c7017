#pragma once

#include <QWidget>

// Window "INSTALLATION scénes/avions/objets (semi-)automatique" (to be completed).
class TF_AutoInstall final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TF_AutoInstall)
public:
    explicit TF_AutoInstall(QWidget* parent = nullptr);
};
