// flykestrel: reads the preferences, creates every window, shows the main window; or hands its argument
// to the copy already running on the simulator folder, and ends.
#include "app/KestrelWindows.h"
#include "app/TF_main.h"
#include "shell/ArgumentHandover.h"
#include "shell/Dialogs.h"
#include "shell/InterfaceLanguage.h"
#include "shell/Preferences.h"
#include "shell/Settings.h"
#include "shell/SimulatorPrefix.h"
#include "shell/ui/QtDialogService.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("FlyKestrel");
    UseLanguage(LanguageOf(StoredLanguageChoice(), QProcessEnvironment::systemEnvironment()));

    ResolveWindowsPathsThroughSimulator();
    StartUpSettings(QCoreApplication::applicationDirPath(), QCoreApplication::arguments().value(1));
    if (ArgumentHandover::HandStartArgumentOver(AppSettings()))
        return 0;
    KestrelWindows windows;
    QtDialogService dialogs(windows.SelDirDlg(), windows.KestrelTools());
    SetDialogService(&dialogs);
    QObject::connect(&windows.Main(), &TF_main::EndTool, &app, [] { QCoreApplication::exit(0); });
    windows.Main().show();
    const int status = QApplication::exec();
    SetDialogService(nullptr);
    return status;
}
