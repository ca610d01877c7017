#pragma once

#include <QString>

// Start-up on a big installation: 100, then 1 000 library add-ons of 10 scenery files each (10 000 files)
// and 400, then 4 000 DLLs, made in folders below work: every window created and the main window shown
// as the program starts, then the DLL and scenery windows opened, each with its growth per add-on. The
// section's table and its targets, met or MISSED. Needs a QApplication.
QString StartUpSection(const QString& work, int runs);
