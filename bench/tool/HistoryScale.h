#pragma once

#include <QString>

// The history at its limits: 20 entries of 1 000, then 10 000 files each, their store full (1024 MB of old
// contents), made in folders below work: the history window opened, the newest entry undone, the oldest
// pruned, each with its growth per file. The section's table and its targets, met or MISSED. Needs a
// QApplication.
QString HistoryScaleSection(const QString& work, int runs);
