#pragma once

#include <QString>

// The add-on library at 100 and 1 000 add-ons of 100 files each, made in folders below work: its window
// opened, one add-on's files shown, a removal previewed and made, one more add-on installed, each with its
// growth per add-on. The section's table and its targets, met or MISSED. Needs a QApplication.
QString LibraryScaleSection(const QString& work, int runs);
