#pragma once

#include <QString>

// Where the tool keeps the journals of changes and its other files of the user's: $XDG_DATA_HOME/flykestrel/
// when that is an absolute path, else $HOME/.local/share/flykestrel/ (the home folder of HomeFolder.h),
// with a trailing '/'; empty when the home folder is unknown.
QString JournalRoot();
