#pragma once

#include "fs/Result.h"

#include <QList>

// What a run of independent changes returns: how many were made, and why each of the others wasn't.
struct [[nodiscard]] Tally final {
    int made = 0;
    QList<Failure> failed;
};
