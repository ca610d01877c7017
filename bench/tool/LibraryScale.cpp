#include "LibraryScale.h"
#include "SetAsideFolders.h"

#include "BenchTiming.h"
#include "SyntheticCollection.h"

#include "fs/NativeFolder.h"
#include "fs/Outcome.h"
#include "install/AddonInstall.h"
#include "install/AddonLibrary.h"
#include "install/AddonRemoval.h"
#include "install/ui/InstallationBoxes.h"
#include "install/ui/RemovalBoxes.h"
#include "install/ui/TF_AddonLibrary.h"
#include "journal/JournalScope.h"
#include "shell/Progress.h"
#include "shell/Settings.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QTableWidget>

#include <stdexcept>
#include <vector>

namespace {

constexpr int FilesEach = 100;
// Of each add-on's files, those that lie on paths of the add-on before it.
constexpr int SharedEach = FilesEach / 10;

struct Figure final {
    QString what;
    double seconds[2] = {}; // at the small and the large collection
};

// A new add-on's folder: its own files and the first files of the newest add-on covered.
QString NewSource(const QString& work, int k, int newest) {
    const QString source = work + QStringLiteral("/sources/new%1").arg(k);
    if (!QDir().mkpath(source))
        throw std::runtime_error("cannot make " + source.toStdString());
    for (int j = 0; j < FilesEach - SharedEach; ++j)
        WriteBenchFile(source + '/' + CollectionFileName(k, j), CollectionContents(k, j));
    for (int j = 0; j < SharedEach; ++j)
        WriteBenchFile(source + '/' + CollectionFileName(newest, j), CollectionContents(k, 100 + j));
    return source;
}

// The window opened (rows filled), one add-on's files shown, its removal previewed.
void MeasureWindow(int addons, int runs, QList<Figure>& figures, int at) {
    std::vector<double> open, files, preview;
    for (int run = 0; run < runs; ++run) {
        TF_AddonLibrary window;
        open.push_back(Seconds([&] {
            window.show();
            QApplication::processEvents();
        }));
        auto* table = window.findChild<QTableWidget*>(QStringLiteral("TableAddons"));
        if (table->rowCount() != addons)
            throw std::runtime_error("the library window did not list every add-on");
        files.push_back(Seconds([&] { table->setCurrentCell(addons / 2 + run, 0); }));
        preview.push_back(Seconds([&] {
            window.findChild<QAbstractButton*>(QStringLiteral("ButtonPreviewRemoval"))->click();
        }));
    }
    figures[0].seconds[at] = Median(open);
    figures[1].seconds[at] = Median(files);
    figures[2].seconds[at] = Median(preview);
}

// Add-ons in the middle of the stacks removed, then new ones installed as the windows do.
void MeasureChanges(const QString& work, const QString& fly, int addons, int runs, QList<Figure>& figures,
                    int at) {
    std::vector<double> removal, install;
    for (int run = 0; run < runs; ++run) {
        AddonLibrary library(fly);
        if (!library.Load())
            throw std::runtime_error("the library is damaged");
        const RemovalPlan plan = PlanRemoval(library, library.IndexOf(addons / 2 + 2 * run));
        removal.push_back(Seconds([&] {
            if (RemovalBoxes(RemoveAddon(
                                 fly, plan, false, [](const QString&) {}, NoProgress()))
                    .box() != Outcome::Box::Info)
                throw std::runtime_error("the removal failed");
        }));
        InstallRequest request;
        request.sourceFolder = NewSource(work, addons + run, addons - 1 + run);
        request.sourceList = ListInstallSource(request.sourceFolder);
        request.flyFolder = fly;
        request.destination = fly + QStringLiteral("scenery/");
        request.renameSources = false;
        install.push_back(Seconds([&] {
            const JournalScope journal(fly, InstallationName(request.type));
            if (!InstallationBoxes(RunInstallation(request, [](const QString&) {})).ok())
                throw std::runtime_error("the installation failed");
        }));
    }
    figures[3].seconds[at] = Median(removal);
    figures[4].seconds[at] = Median(install);
}

} // namespace

QString LibraryScaleSection(const QString& work, int runs) {
    QList<Figure> figures{{QStringLiteral("library window opened, rows filled")},
                          {QStringLiteral("one add-on's files with their owners")},
                          {QStringLiteral("\"Aperçu de la désinstallation\"")},
                          {QStringLiteral("removal of an add-on in the middle of the stacks")},
                          {QStringLiteral("installation of one more add-on")}};
    const int sizes[2] = {100, 1000};
    for (int at = 0; at < 2; ++at) {
        std::fprintf(stderr, "flykestrel_bench: library of %d add-ons\n", sizes[at]);
        const QString fly = MakeCollection(work, sizes[at], FilesEach);
        MeasureWindow(sizes[at], runs, figures, at);
        MeasureChanges(work, fly, sizes[at], runs, figures, at);
    }
    SetAside(work);
    QString text = QStringLiteral(
        "\n## The add-on library at the size of a collection\n\nA library of 100, then 1 000 scenery add-ons of "
        "100 files each, 10 of each add-on's files covering files of the one before it (a library file of "
        "100 000 file records at 1 000), made once without the installer; the window and the operations "
        "run as the user runs them. Wall seconds, median of %1 runs; growth = time per add-on at 1 000 "
        "over time per add-on at 100.\n\n| figure | 100 add-ons s | 1 000 add-ons s | growth | target | |\n"
        "|---|---|---|---|---|---|\n")
                       .arg(runs);
    for (const Figure& f : figures)
        text += GrowthRow(f.what, f.seconds, sizes);
    return text;
}
