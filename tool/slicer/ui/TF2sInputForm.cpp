#include "slicer/ui/TF2sInputForm.h"

TF2sInputForm::TF2sInputForm(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("TF2sInputForm");
    setWindowTitle(QString::fromUtf8("Créer un fichier d'entrée pour fly2slice"));
}

