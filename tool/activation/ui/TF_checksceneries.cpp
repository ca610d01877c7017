#include "activation/ui/TF_checksceneries.h"

TF_checksceneries::TF_checksceneries(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("TF_checksceneries");
    setWindowTitle(QString::fromUtf8("Activation scènes"));
}

