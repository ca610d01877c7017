#pragma once

#include <QWidget>

// Window "Copie les scènes de FLY!2" (to be completed).
class TF_SceneryCopy final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TF_SceneryCopy)
public:
    explicit TF_SceneryCopy(QWidget* parent = nullptr);
};
