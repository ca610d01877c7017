#pragma once

#include <QString>

struct Settings;

// The simulator folder that settings name: FlyFolder, else the folder of FlyExePath.
QString SimulatorFolder(const Settings& settings);
// The Wine prefix of the simulator folder of the shared settings; empty when it lies in none.
QString SimulatorPrefix();
// From now on the path layer takes a Windows path to the drive of that prefix, as the settings stand at
// each lookup (see FromWindowsPath). Called once at start-up.
void ResolveWindowsPathsThroughSimulator();
