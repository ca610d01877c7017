#include "StartUpScale.h"
#include "SetAsideFolders.h"

#include "BenchTiming.h"
#include "SyntheticCollection.h"

#include "activation/ui/TF_checkdlls.h"
#include "activation/ui/TF_checksceneries.h"
#include "app/KestrelWindows.h"
#include "app/TF_main.h"
#include "shell/DialogService.h"
#include "shell/Dialogs.h"
#include "shell/Preferences.h"
#include "shell/Settings.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>

#include <stdexcept>
#include <vector>

namespace {

// Each add-on: 10 files of its own and one over a file of the add-on before it.
constexpr int FilesEach = 11;
constexpr int OwnEach = FilesEach - FilesEach / 10;
constexpr int DllsEach = 4; // DLLs in modules/pc for each add-on

// The scenery window asks for its folder: the user picks scenery/. Any other box means the start-up did
// something else than what is measured.
class SceneryChoice final : public DialogService {
  public:
    explicit SceneryChoice(QString folder) : folder_(std::move(folder)) {}
    void Message(const QString& text, const QString&) override { Refuse(text); }
    bool Question(const QString& text, const QString&) override { Refuse(text); }
    void Error(const QString& text) override { Refuse(text); }
    QString SelectFolder(const QString&) override { return folder_; }
    QString PickFile(const QString&, const QString&, const QString& title, const QString&) override { Refuse(title); }

  private:
    QString folder_;

    [[noreturn]] static void Refuse(const QString& text) {
        throw std::runtime_error("start-up showed a box: " + text.toStdString());
    }
};

// The collection with what the path window needs, its DLLs, and the tool's preferences pointing at it.
QString MakeInstallation(const QString& work, int addons) {
    const QString fly = MakeCollection(work, addons, FilesEach);
    for (const char* folder : {"modules/pc", "modules/scripts/global", "system", "aircraft"})
        if (!QDir().mkpath(fly + QLatin1String(folder)))
            throw std::runtime_error("cannot make the installation's folders");
    for (const char* file : {"system/fly.ini", "system/render.ini", "system/default.key", "control.txt"})
        WriteBenchFile(fly + QLatin1String(file), "[x]\r\n");
    for (int d = 0; d < addons * DllsEach; ++d)
        WriteBenchFile(fly + QStringLiteral("modules/pc/plugin%1.dll").arg(d, 4, 10, QChar('0')), "MZ");
    const QString tool = work + QStringLiteral("/tool/");
    if (!QDir().mkpath(tool))
        throw std::runtime_error("cannot make the tool's folder");
    // Header, DLLPath, PythonPath, FlyIniPath, RenderIniPath, FlyStartPath, FlyExePath, then the rest empty.
    const QStringList lines{QStringLiteral("<FlyKestrel 1.7>"), fly + QStringLiteral("modules/pc"),
                            fly + QStringLiteral("modules/scripts/global"), fly + QStringLiteral("system/fly.ini"),
                            fly + QStringLiteral("system/render.ini"), QString(), fly + QStringLiteral("FLY2.EXE"),
                            QString(), QString(), fly + QStringLiteral("modules/"), QString(), QString(),
                            QString(), QString(), QString()};
    WriteBenchFile(tool + QStringLiteral("FlyKestrel.prf"), (lines.join(QStringLiteral("\r\n")) + "\r\n").toUtf8());
    return tool;
}

void Show(QWidget& window) {
    window.show();
    QApplication::processEvents();
}

void Expect(bool condition, const char* what) {
    if (!condition)
        throw std::runtime_error(what);
}

// The program's start after its QApplication: settings read, every window created, the main window shown;
// then the DLL and the scenery windows opened with their lists.
void MeasureStart(const QString& tool, int addons, int runs, double (&seconds)[3]) {
    std::vector<double> start, dllWindow, sceneryWindow;
    SceneryChoice boxes(AppSettings().FlyFolder + QStringLiteral("scenery"));
    DialogService* before = SetDialogService(&boxes);
    for (int run = 0; run < runs; ++run) {
        std::unique_ptr<KestrelWindows> windows;
        start.push_back(Seconds([&] {
            StartUpSettings(tool, QString());
            windows = std::make_unique<KestrelWindows>();
            Show(windows->Main());
        }));
        Expect(windows->Main().windowTitle().contains(QStringLiteral(">>>")), "the main window found no installation");
        dllWindow.push_back(Seconds([&] { Show(windows->CheckDlls()); }));
        Expect(windows->CheckDlls().findChild<QListWidget*>()->count() == addons * DllsEach, "the DLL window did not list every DLL");
        sceneryWindow.push_back(Seconds([&] { Show(windows->CheckSceneries()); }));
        Expect(windows->CheckSceneries().findChild<QListWidget*>()->count() == addons * OwnEach,
               "the scenery window did not list every file");
        windows.reset();
    }
    SetDialogService(before);
    seconds[0] = Median(start);
    seconds[1] = Median(dllWindow);
    seconds[2] = Median(sceneryWindow);
}

} // namespace

QString StartUpSection(const QString& work, int runs) {
    const QStringList what{QStringLiteral("main window shown, every window created"),
                           QStringLiteral("DLL window opened, list filled"),
                           QStringLiteral("scenery window opened, list filled")};
    const int sizes[2] = {100, 1000};
    double seconds[2][3] = {};
    for (int at = 0; at < 2; ++at) {
        std::fprintf(stderr, "flykestrel_bench: start-up with %d add-ons\n", sizes[at]);
        MeasureStart(MakeInstallation(work, sizes[at]), sizes[at], runs, seconds[at]);
    }
    SetAside(work);
    QString text = QStringLiteral(
        "\n## Start-up on a big installation\n\nAn installation with 100, then 1 000 library add-ons of 10 "
        "scenery files each and one over a file of the add-on before (1 000, then 10 000 files in scenery/) and 400, then 4 000 DLLs in modules/pc; "
        "the preferences read, every window created and the main window shown as the program does once its "
        "QApplication exists, then the DLL and scenery windows opened as the user opens them. Wall seconds, "
        "median of %1 runs; growth = time per add-on at 1 000 over time per add-on at 100.\n\n"
        "| figure | 100 add-ons s | 1 000 add-ons s | growth | target | |\n|---|---|---|---|---|---|\n")
                       .arg(runs);
    for (int i = 0; i < 3; ++i)
        text += GrowthRow(what[i], {seconds[0][i], seconds[1][i]}, sizes, i == 0 ? 1.0 : 0);
    return text;
}
