#include "install/ui/TFLYDataForm.h"

TFLYDataForm::TFLYDataForm(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("TFLYDataForm");
    setWindowTitle(QString::fromUtf8("Sauve/Restaure DATA"));
}

