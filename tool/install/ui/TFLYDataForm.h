#pragma once

#include <QWidget>

// Window "Sauve/Restaure DATA" (to be completed).
class TFLYDataForm final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TFLYDataForm)
public:
    explicit TFLYDataForm(QWidget* parent = nullptr);
};
