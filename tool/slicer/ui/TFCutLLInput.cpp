#include "slicer/ui/TFCutLLInput.h"

TFCutLLInput::TFCutLLInput(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("TFCutLLInput");
    setWindowTitle(QString::fromUtf8("FCutLLInput"));
}

