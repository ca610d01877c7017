#pragma once

#include <QWidget>

// Window "Activation scènes" (to be completed).
class TF_checksceneries final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TF_checksceneries)
public:
    explicit TF_checksceneries(QWidget* parent = nullptr);
};
