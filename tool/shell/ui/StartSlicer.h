#pragma once

#include <QString>

// Starts the slicer that the preferences name with parameter. Where it is missing, an information box says
// where it was looked for; where it was switched to its other form, nothing starts and nothing is said;
// where it didn't start, tellNotStarted shows why, in the box of the window asking. True when it started.
bool StartSlicer(const QString& parameter, void (*tellNotStarted)(const QString& text));
