#include "shell/mainwin/TF_main.h"

TF_main::TF_main(QWidget* parent) : QWidget(parent) {
    setObjectName("TF_main");
    setWindowTitle(QString::fromUtf8("Optimise les performances de votre Fly!2 !"));
    ConnectProfileButtons();
    ConnectControlFilePage();
}
