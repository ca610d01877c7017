#include "initune/ui/Tf_inikestrel.h"

Tf_inikestrel::Tf_inikestrel(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("Tf_inikestrel");
    setWindowTitle(QString::fromUtf8("*.INI kestrel"));
}

void Tf_inikestrel::OpenFlyIni() { show(); }

void Tf_inikestrel::OpenRenderIni() { show(); }
