#include "activation/ui/TF_checkdlls.h"

TF_checkdlls::TF_checkdlls(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("TF_checkdlls");
    setWindowTitle(QString::fromUtf8("Activation DLL"));
}

