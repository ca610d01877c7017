#include "install/ui/InstallWidgets.h"

#include <QLabel>
#include <QPushButton>

QPushButton* MakeButton(const char* name, const QString& caption) {
    auto* button = new QPushButton(caption);
    button->setObjectName(QLatin1String(name));
    return button;
}

QLabel* MakeLabel(const char* name, const QString& text) {
    auto* label = new QLabel(text);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    return label;
}
