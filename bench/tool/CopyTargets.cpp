#include "CopyTargets.h"

#include "fs/NativeFolder.h"
#include "fs/NativeFs.h"
#include "fs/Outcome.h"
#include "install/AddonInstall.h"
#include "journal/JournalScope.h"

#include <QDir>
#include <QFile>
#include <QList>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <stdexcept>
#include <sys/statvfs.h>
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

double Seconds(const std::function<void()>& run) {
    const auto start = std::chrono::steady_clock::now();
    run();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
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
    for (std::vector<double>& some : times)
        std::sort(some.begin(), some.end());
    return {times[0][times[0].size() / 2], times[1][times[1].size() / 2]};
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
    QDir(work).removeRecursively();
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
    Outcome outcome;
    {
        const JournalScope scope(request.flyFolder, InstallationName(request.type));
        outcome = RunInstallation(request, [](const QString&) {});
    }
    if (!outcome.ok() || QDir(work + "/Fly2/scenery").entryList(QDir::Files).size() != files)
        throw std::runtime_error("the installer did not copy every file");
}

QList<Figure> SmallFiles(const QString& work, int runs) {
    QList<Figure> figures;
    double perFile[2] = {};
    int index = 0;
    for (const int files : {1000, 10000}) {
        const auto [layer, cp] = Medians(
            runs, [&] { PrepareAddon(work, files); }, [&] { Install(work, files); },
            [&] { Shell("cp -r " + Quoted(work + "/addon") + ' ' + Quoted(work + "/copy") + " && sync"); });
        figures.append({QStringLiteral("installer, %1 files of 4 KiB").arg(files), layer,
                        QStringLiteral("cp -r && sync"), cp, QStringLiteral("within 2x"), layer <= 2 * cp});
        perFile[index++] = layer / files;
    }
    const double growth = perFile[1] / perFile[0];
    figures.append({QStringLiteral("installer, per file at 10 000 (us)"), perFile[1] * 1e6,
                    QStringLiteral("per file at 1 000"), perFile[0] * 1e6, QStringLiteral("within 1.3x"),
                    growth <= 1.3});
    return figures;
}

void PrepareLarge(const QString& folder) {
    QDir(folder).removeRecursively();
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
    QDir(folder).removeRecursively();
    return {{QStringLiteral("copy of 1 GiB, journaled"), layer, QStringLiteral("cp && sync"), cp,
             QStringLiteral("within 1.2x"), layer <= 1.2 * cp},
            {QStringLiteral("fingerprint of 1 GiB, page cache"), hash, QStringLiteral("cat > /dev/null"), cat,
             QStringLiteral("within 1.5x"), hash <= 1.5 * cat}};
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
    if (QStringLiteral("large file").contains(only))
        figures << LargeFile(work, runs);
    if (QStringLiteral("clone").contains(only))
        figures << Clone(work, skipped);
    QString text = QStringLiteral(
        "\n## Copies against their baselines\n\nEach figure (wall seconds, median of %1 runs, each after a sync) "
        "beside its baseline run in the same invocation on the same data, the two taking turns. The installer runs as its window "
        "runs it: journaled, its sources renamed \".installed\". The btrfs row gives the new data the clone "
        "took, in MiB (metadata included), in place of a baseline.\n\n"
        "| figure | s | baseline | s | ratio | target | |\n|---|---|---|---|---|---|---|\n")
                       .arg(runs);
    for (const Figure& f : figures)
        text += QStringLiteral("| %1 | %2 | %3 | %4 | %5x | %6 | %7 |\n")
                    .arg(f.what).arg(f.seconds, 0, 'f', 3).arg(f.baseline).arg(f.baselineSeconds, 0, 'f', 3)
                    .arg(f.baselineSeconds > 0 ? f.seconds / f.baselineSeconds : 0.0, 0, 'f', 2).arg(f.target)
                    .arg(f.met ? QStringLiteral("met") : QStringLiteral("MISSED"));
    if (!skipped.isEmpty())
        text += "\n" + skipped + "\n";
    return text;
}
