#pragma once

#include <QString>

// The two help texts of the tuning window.
QString FlyIniHelpText();
QString RenderIniHelpText();
