#include "activation/ui/TF_checkpy.h"

TF_checkpy::TF_checkpy(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("TF_checkpy");
    setWindowTitle(QString::fromUtf8("Activation PY"));
}

