#include "shell/Settings.h"

Settings& AppSettings() {
    static Settings settings;
    return settings;
}
