#pragma once

#include <QWidget>

// Window "Créer un fichier d'entrée pour fly2slice" (to be completed).
class TF2sInputForm final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TF2sInputForm)
public:
    explicit TF2sInputForm(QWidget* parent = nullptr);
};
