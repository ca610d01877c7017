#include "CopyTargets.h"
#include "CopyFloor.h"
#include "SetAsideFolders.h"

#include "BenchTiming.h"

#include "activation/DllFolderBackup.h"
#include "fs/NativeFolder.h"
#include "fs/NativeFs.h"
#include "fs/Outcome.h"
#include "install/AddonInstall.h"
#include "install/ui/InstallationBoxes.h"
#include "journal/JournalScope.h"
#include "shell/Progress.h"

#include <QDir>
#include <QFile>
#include <QList>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <stdexcept>
#include <sys/statvfs.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr qint64 LargeBytes = qint64(1) << 30;

struct Figure final {
    QString what;
    double seconds = 0;
    QString baseline;
    double baselineSeconds = 0;
    QString target;
    bool met = false;
};

void Shell(const QString& command) {
    if (std::system(command.toLocal8Bit().constData()) != 0)
        throw std::runtime_error("failed: " + command.toStdString());
}

QString Quoted(const QString& path) {
    return '\'' + path + '\'';
}

// The medians of runs timings of the layer and of its baseline, each after prepare (not timed) and a
// sync, so that no run pays for the write-back of another. The two take turns, the first of each round
// alternating, so that a disk slowly getting faster or slower weighs on both alike.
std::pair<double, double> Medians(int runs, const std::function<void()>& prepare,
                                  const std::function<void()>& layer, const std::function<void()>& baseline) {
    std::vector<double> times[2];
    const std::function<void()>* both[2] = {&layer, &baseline};
    for (int i = 0; i < runs * 2; ++i) {
        const int which = (i + i / 2) % 2; // layer, baseline; baseline, layer; ...
        prepare();
        ::sync();
        times[which].push_back(Seconds(*both[which]));
    }
    return {Median(times[0]), Median(times[1])};
}

void WriteFile(const QString& path, qint64 size) {
    QFile file(path);
    const QByteArray block(int(std::min<qint64>(size, 1 << 20)), 'k');
    if (!file.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot write " + path.toStdString());
    for (qint64 left = size; left > 0; left -= block.size())
        if (file.write(block.constData(), std::min<qint64>(left, block.size())) <= 0)
            throw std::runtime_error("cannot write " + path.toStdString());
}

// work/addon with files 4 KiB scenery files, work/Fly2 with an empty scenery folder, a journal of its own.
void PrepareAddon(const QString& work, int files) {
    SetAside(work);
    if (!QDir().mkpath(work + "/addon") || !QDir().mkpath(work + "/Fly2/scenery"))
        throw std::runtime_error("cannot make " + work.toStdString());
    WriteFile(work + "/Fly2/FLY2.EXE", 3);
    for (int i = 0; i < files; ++i)
        WriteFile(work + QStringLiteral("/addon/Tile%1.pod").arg(i, 5, 10, QChar('0')), 4096);
    qputenv("XDG_DATA_HOME", QFile::encodeName(work + "/journal"));
}

// As the window runs it: journaled, the sources renamed ".installed".
void Install(const QString& work, int files) {
    InstallRequest request;
    request.sourceFolder = work + "/addon";
    request.sourceList = ListInstallSource(request.sourceFolder);
    request.flyFolder = work + "/Fly2";
    request.destination = work + "/Fly2/scenery/";
    const Result<AddonInstall> ran = [&request] {
        const JournalScope scope(request.flyFolder, InstallationName(request.type));
        return RunInstallation(request, [](const QString&) {});
    }();
    if (!InstallationBoxes(ran).ok() || QDir(work + "/Fly2/scenery").entryList(QDir::Files).size() != files)
        throw std::runtime_error("the installer did not copy every file");
}

void CopyAddon(const QString& work) {
    Shell("cp -r " + Quoted(work + "/addon") + ' ' + Quoted(work + "/copy") + " && sync");
}

QList<Figure> SmallFiles(const QString& work, int runs) {
    QList<Figure> figures;
    double perFile[2] = {};
    int index = 0;
    for (const int files : {1000, 10000}) {
        const auto [layer, cp] = Medians(
            runs, [&] { PrepareAddon(work, files); }, [&] { Install(work, files); }, [&] { CopyAddon(work); });
        figures.append({QStringLiteral("installer, %1 files of 4 KiB").arg(files), layer,
                        QStringLiteral("cp -r && sync"), cp, QStringLiteral("within 1.3x"), layer <= 1.3 * cp});
        perFile[index++] = layer / files;
    }
    const double growth = perFile[1] / perFile[0];
    figures.append({QStringLiteral("installer, per file at 10 000 (us)"), perFile[1] * 1e6,
                    QStringLiteral("per file at 1 000"), perFile[0] * 1e6, QStringLiteral("within 1.3x"),
                    growth <= 1.3});
    const auto [floor, cp] = Medians(
        runs, [&] { PrepareAddon(work, 10000); },
        [&] { CopyAtTheFloor(work + "/addon", work + "/Fly2/scenery", true); }, [&] { CopyAddon(work); });
    figures.append({QStringLiteral("the installer's way at its floor, 10000 files of 4 KiB"), floor,
                    QStringLiteral("cp -r && sync"), cp, {}, false});
    figures.append({QStringLiteral("installer, 10000 files of 4 KiB"), perFile[1] * 10000,
                    QStringLiteral("its way at the floor"), floor, {}, false});
    return figures;
}

void PrepareLarge(const QString& folder) {
    SetAside(folder);
    if (!QDir().mkpath(folder))
        throw std::runtime_error("cannot make " + folder.toStdString());
    WriteFile(folder + "/large.pod", LargeBytes);
}

QList<Figure> LargeFile(const QString& work, int runs) {
    const QString folder = work + "/large";
    const auto [layer, cp] = Medians(
        runs, [&] { PrepareLarge(folder); },
        [&] {
            const JournalScope scope(folder, QStringLiteral("Copie"));
            if (!CopyWholeFile(folder + "/large.pod", folder + "/copy.pod"))
                throw std::runtime_error("the copy of the large file failed");
        },
        [&] { Shell("cp " + Quoted(folder + "/large.pod") + ' ' + Quoted(folder + "/copy.pod") + " && sync"); });
    const QString file = folder + "/large.pod";
    Shell("cat " + Quoted(file) + " > /dev/null");
    const auto [hash, cat] = Medians(
        runs, [] {}, [&] { FingerprintOf(file); }, [&] { Shell("cat " + Quoted(file) + " > /dev/null"); });
    SetAside(folder);
    return {{QStringLiteral("copy of 1 GiB, journaled"), layer, QStringLiteral("cp && sync"), cp,
             QStringLiteral("at or below 1x"), layer <= cp},
            {QStringLiteral("fingerprint of 1 GiB, page cache"), hash, QStringLiteral("cat > /dev/null"), cat,
             QStringLiteral("within 1.5x"), hash <= 1.5 * cat}};
}

// Bytes that no compressor shrinks, as most of an add-on's textures and scenery: a simple generator's.
void WriteNoise(const QString& path, qint64 size) {
    QFile file(path);
    QByteArray block(int(std::min<qint64>(size, 1 << 20)), Qt::Uninitialized);
    quint64 state = 0x9E3779B97F4A7C15ull ^ quint64(qHash(path));
    if (!file.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot write " + path.toStdString());
    for (qint64 left = size; left > 0; left -= block.size()) {
        for (char& byte : block)
            byte = char((state = state * 6364136223846793005ull + 1442695040888963407ull) >> 56);
        if (file.write(block.constData(), std::min<qint64>(left, block.size())) <= 0)
            throw std::runtime_error("cannot write " + path.toStdString());
    }
}

// work/MyScenery.zip holding MyScenery/ with files of size bytes each (stored when they are large,
// deflated else), made by bsdtar; work/Fly2 with an empty scenery folder and a journal of its own.
void PrepareArchive(const QString& work, int files, qint64 size) {
    SetAside(work);
    if (!QDir().mkpath(work + "/MyScenery") || !QDir().mkpath(work + "/Fly2/scenery"))
        throw std::runtime_error("cannot make " + work.toStdString());
    WriteFile(work + "/Fly2/FLY2.EXE", 3);
    for (int i = 0; i < files; ++i)
        WriteNoise(work + QStringLiteral("/MyScenery/Tile%1.pod").arg(i, 5, 10, QChar('0')), size);
    Shell("cd " + Quoted(work) + " && bsdtar -a -cf MyScenery.zip" +
          (size > (1 << 20) ? " --options zip:compression=store" : "") + " MyScenery && rm -r MyScenery");
    qputenv("XDG_DATA_HOME", QFile::encodeName(work + "/journal"));
}

void Reset(const QString& work) {
    Shell("rm -rf " + Quoted(work + "/Fly2/scenery") + ' ' + Quoted(work + "/journal") + ' ' +
          Quoted(work + "/unpacked") + " && mkdir -p " + Quoted(work + "/Fly2/scenery") + ' ' +
          Quoted(work + "/unpacked"));
}

// As the window runs it, journaled; the archive keeps its name, so that each run finds it.
void InstallArchive(const QString& work, int files) {
    InstallRequest request;
    request.sourceFolder = work + "/MyScenery.zip";
    request.flyFolder = work + "/Fly2";
    request.destination = work + "/Fly2/scenery/";
    request.renameSources = false;
    const Result<AddonInstall> ran = [&request] {
        const JournalScope scope(request.flyFolder, InstallationName(request.type));
        return RunInstallation(request, [](const QString&) {});
    }();
    if (!InstallationBoxes(ran).ok() || QDir(work + "/Fly2/scenery").entryList(QDir::Files).size() != files)
        throw std::runtime_error("the installer did not install every file of the archive");
}

// How far the resident set of a child process rises while it installs the archive, in MiB: the child
// starts with this process's pages, so its peak is cleared first (/proc/self/clear_refs) and its resident
// set then, and its peak after, go to work/peak.
double InstallPeakMiB(const QString& work, int files) {
    Reset(work);
    const QString peak = work + "/peak";
    const pid_t child = ::fork();
    if (child == 0) {
        try {
            const QString proc = "/proc/" + QString::number(::getpid());
            Shell("echo 5 > " + proc + "/clear_refs && grep VmRSS " + proc + "/status > " + Quoted(peak));
            InstallArchive(work, files);
            Shell("grep VmHWM " + proc + "/status >> " + Quoted(peak));
        } catch (const std::exception&) {
            ::_exit(1);
        }
        ::_exit(0);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error("the installation of the archive failed in its child process");
    QFile file(peak);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("no peak memory from the child process");
    const QList<QByteArray> fields = file.readAll().simplified().split(' '); // VmRSS: n kB VmHWM: m kB
    const double start = fields.value(1).toDouble();
    const double top = fields.value(4).toDouble();
    if (start <= 0 || top < start)
        throw std::runtime_error("no peak memory from the child process");
    return (top - start) / 1024;
}

QList<Figure> Archives(const QString& work, int runs) {
    QList<Figure> figures;
    const struct {
        const char* what;
        int files;
        qint64 size;
    } archives[] = {{"installer, ZIP of 10000 files of 4 KiB", 10000, 4096},
                    {"installer, ZIP of a 1 GiB file", 1, LargeBytes}};
    for (const auto& archive : archives) {
        PrepareArchive(work, archive.files, archive.size);
        const auto [layer, bsdtar] = Medians(
            runs, [&] { Reset(work); }, [&] { InstallArchive(work, archive.files); },
            [&] { Shell("bsdtar -xf " + Quoted(work + "/MyScenery.zip") + " -C " + Quoted(work + "/unpacked") + " && sync"); });
        figures.append({QString::fromLatin1(archive.what), layer, QStringLiteral("bsdtar -xf && sync"), bsdtar,
                        QStringLiteral("within 1.3x"), layer <= 1.3 * bsdtar});
    }
    // An archive of one file, 1 GiB (the last one made) then 16 MiB: the installer's memory does not grow
    // with it.
    const double large = InstallPeakMiB(work, 1);
    PrepareArchive(work, 1, 16 << 20);
    const double small = InstallPeakMiB(work, 1);
    figures.append({QStringLiteral("installer's memory rise, ZIP of 1 GiB (MiB)"), large,
                    QStringLiteral("ZIP of 16 MiB"), small, QStringLiteral("within 1.1x"), large <= 1.1 * small});
    SetAside(work);
    return figures;
}

// "Copie répertoire DLL": work/modules/pc of 10 000 DLLs of 4 KiB copied to pc-save, as the window runs it.
QList<Figure> DllFolderCopy(const QString& work, int runs) {
    constexpr int Files = 10000;
    const QString modules = work + "/modules";
    const auto prepare = [&] {
        SetAside(work);
        if (!QDir().mkpath(modules + "/pc"))
            throw std::runtime_error("cannot make " + modules.toStdString());
        for (int i = 0; i < Files; ++i)
            WriteFile(modules + QStringLiteral("/pc/Plugin%1.dll").arg(i, 5, 10, QChar('0')), 4096);
        qputenv("XDG_DATA_HOME", QFile::encodeName(work + "/journal"));
    };
    const auto copy = [&] { Shell("cp -r " + Quoted(modules + "/pc") + ' ' + Quoted(modules + "/pc-copy") + " && sync"); };
    const auto [layer, cp] = Medians(
        runs, prepare,
        [&] {
            const JournalScope scope(modules, QStringLiteral("Copie"));
            if (const Result<DllFolderBackup> backup = BackupDllFolder(modules, NoProgress());
                !backup || !backup->failed.isEmpty())
                throw std::runtime_error("the copy of the DLL folder failed");
        },
        copy);
    const auto [floor, floorCp] = Medians(
        runs, prepare,
        [&] {
            QDir().mkpath(modules + "/pc-floor");
            CopyAtTheFloor(modules + "/pc", modules + "/pc-floor", false);
        },
        copy);
    SetAside(work);
    return {{QStringLiteral("\"Copie répertoire DLL\", 10000 files of 4 KiB"), layer, QStringLiteral("cp -r && sync"), cp,
             QStringLiteral("within 1.3x"), layer <= 1.3 * cp},
            {QStringLiteral("its way at the floor, 10000 files of 4 KiB"), floor, QStringLiteral("cp -r && sync"), floorCp,
             {}, false},
            {QStringLiteral("\"Copie répertoire DLL\", 10000 files of 4 KiB"), layer, QStringLiteral("its way at the floor"),
             floor, {}, false}};
}

qint64 UsedBytes(const QString& folder) {
    struct statvfs st {};
    if (::statvfs(QFile::encodeName(folder).constData(), &st) != 0)
        throw std::runtime_error("statvfs " + folder.toStdString());
    return qint64(st.f_blocks - st.f_bfree) * qint64(st.f_frsize);
}

// A 3 GiB btrfs image on a loop device; the 1 GiB file cloned there. Skipped (the line says why) where
// it can't be made.
QList<Figure> Clone(const QString& work, QString& skipped) {
    const QString image = work + "/btrfs.img";
    const QString mount = work + "/btrfs";
    if (::geteuid() != 0 || std::system("command -v mkfs.btrfs > /dev/null") != 0) {
        skipped = QStringLiteral("clone on btrfs: skipped (needs root and mkfs.btrfs from btrfs-progs)");
        return {};
    }
    QDir().mkpath(mount);
    if (std::system(("truncate -s 3G " + Quoted(image) + " && mkfs.btrfs -q " + Quoted(image) + " && mount -o loop " +
                     Quoted(image) + ' ' + Quoted(mount)).toLocal8Bit().constData()) != 0) {
        skipped = QStringLiteral("clone on btrfs: skipped (no loop device could be mounted)");
        QFile::remove(image);
        return {};
    }
    WriteFile(mount + "/large.pod", LargeBytes);
    ::sync();
    const qint64 before = UsedBytes(mount);
    const double seconds = Seconds([&] {
        if (!CopyWholeFile(mount + "/large.pod", mount + "/clone.pod"))
            throw std::runtime_error("the clone failed");
    });
    ::sync();
    const double newMiB = double(UsedBytes(mount) - before) / (1 << 20);
    Shell("umount " + Quoted(mount));
    QFile::remove(image);
    return {{QStringLiteral("clone of 1 GiB on btrfs"), seconds, QStringLiteral("new data MiB"), newMiB,
             QStringLiteral("under 0.1 s, no new data blocks"), seconds < 0.1 && newMiB < 16}};
}

} // namespace

QString CopyTargetsSection(const QString& work, int runs, const QString& only) {
    QList<Figure> figures;
    QString skipped;
    if (QStringLiteral("installer").contains(only))
        figures << SmallFiles(work + "/install", runs);
    if (QStringLiteral("dll copy").contains(only))
        figures << DllFolderCopy(work + "/dll", runs);
    if (QStringLiteral("large file").contains(only))
        figures << LargeFile(work, runs);
    if (QStringLiteral("archive").contains(only))
        figures << Archives(work + "/archive", runs);
    if (QStringLiteral("clone").contains(only))
        figures << Clone(work, skipped);
    QString text = QStringLiteral(
        "\n## Copies against their baselines\n\nEach figure (wall seconds, median of %1 runs, each after a sync) "
        "beside its baseline run in the same invocation on the same data, the two taking turns. The installer runs as its window "
        "runs it: journaled, its sources renamed \".installed\" (not the ZIP); from a ZIP it streams each entry into the batch (bsdtar, "
        "its baseline, unpacks into a folder of the same disk). Its memory rise is how far a child's resident set grows above its start while it installs, in "
        "MiB. The btrfs row gives the new data the clone "
        "took, in MiB (metadata included), in place of a baseline. The rows \"at the floor\" copy the same files the installer's way "
        "with nothing else (a temporary each, one flush, the renames into place, the sources renamed \".installed\" for the installer), "
        "so that what the journal and the checks cost shows beside what the way of copying costs.\n\n"
        "| figure | s | baseline | s | ratio | target | |\n|---|---|---|---|---|---|---|\n")
                       .arg(runs);
    for (const Figure& f : figures)
        text += QStringLiteral("| %1 | %2 | %3 | %4 | %5x | %6 | %7 |\n")
                    .arg(f.what).arg(f.seconds, 0, 'f', 3).arg(f.baseline).arg(f.baselineSeconds, 0, 'f', 3)
                    .arg(f.baselineSeconds > 0 ? f.seconds / f.baselineSeconds : 0.0, 0, 'f', 2)
                    .arg(f.target.isEmpty() ? QStringLiteral("-") : f.target)
                    .arg(f.target.isEmpty() ? QStringLiteral("for the record") : f.met ? QStringLiteral("met") : QStringLiteral("MISSED"));
    if (!skipped.isEmpty())
        text += "\n" + skipped + "\n";
    return text;
}
