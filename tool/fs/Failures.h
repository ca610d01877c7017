#pragma once

#include "fs/Outcome.h"
#include "fs/Result.h"

#include <QList>

// The one box that tells the user which files a change left as they were, and why.
Outcome NotChanged(const QList<Failure>& failures);
