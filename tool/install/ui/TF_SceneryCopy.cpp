#include "install/ui/TF_SceneryCopy.h"

TF_SceneryCopy::TF_SceneryCopy(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("TF_SceneryCopy");
    setWindowTitle(QString::fromUtf8("Copie les scènes de FLY!2"));
}

