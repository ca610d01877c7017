#pragma once

#include <QList>
#include <QString>

// One line of an activation list: a file name and whether that file is to be active after OK.
struct ActivationEntry final {
    QString name;
    bool checked = false;

    bool operator==(const ActivationEntry&) const = default;
};

using ActivationEntries = QList<ActivationEntry>;
