#include "shell/ui/StartSlicer.h"

#include "shell/Dialogs.h"
#include "shell/Settings.h"
#include "shell/SlicerLaunch.h"
#include "wine/Launcher.h"

bool StartSlicer(const QString& parameter, void (*tellNotStarted)(const QString& text)) {
    const Result<QString> slicer = Fly2SliceToStart(AppSettings());
    if (!slicer) {
        ShowInfo(SlicerMissingText(slicer.failure()));
        return false;
    }
    if (slicer->isEmpty())
        return false;
    const Done started = StartFly2Slice(*slicer, parameter);
    if (!started)
        tellNotStarted(NotStartedText(started.failure()));
    return bool(started);
}
