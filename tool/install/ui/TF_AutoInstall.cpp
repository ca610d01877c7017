#include "install/ui/TF_AutoInstall.h"

TF_AutoInstall::TF_AutoInstall(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("TF_AutoInstall");
    setWindowTitle(QString::fromUtf8("INSTALLATION scénes/avions/objets (semi-)automatique"));
}

