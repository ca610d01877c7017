#pragma once

#include <QString>

// The help text the installer shows in the help window.
QString InstallHelpText();
