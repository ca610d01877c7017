#include "SyntheticCollection.h"
#include "SetAsideFolders.h"

#include "fs/NativeFolder.h"
#include "install/AddonLibrary.h"
#include "shell/Settings.h"

#include <QDir>
#include <QFile>

#include <stdexcept>

namespace {

QString OwnPath(const QString& fly, int addon, int file) {
    return fly + QStringLiteral("scenery/") + CollectionFileName(addon, file);
}

// Add-on k as the installer would have taken it down: its own files, and the first files of add-on k-1
// covered, what they held kept in the store.
Addon Synthetic(AddonLibrary& library, int k, int filesEach) {
    const QString fly = library.FlyFolder();
    const int shared = filesEach / 10;
    Addon addon;
    addon.id = k + 1;
    addon.name = QStringLiteral("addon%1").arg(k, 4, 10, QChar('0'));
    addon.date = QDateTime::currentDateTimeUtc();
    addon.source = fly + QStringLiteral("../sources/") + addon.name;
    for (int j = 0; j < filesEach - shared; ++j) {
        WriteBenchFile(OwnPath(fly, k, j), CollectionContents(k, j));
        addon.files.append({OwnPath(fly, k, j), {}, {}, FingerprintOfBytes(CollectionContents(k, j))});
    }
    for (int j = 0; j < shared && k > 0; ++j) {
        const AddonFile below{OwnPath(fly, k - 1, j), FingerprintOfBytes(CollectionContents(k - 1, j)),
                              library.NewStoreName(), FingerprintOfBytes(CollectionContents(k, 100 + j))};
        WriteBenchFile(library.StorePath(below.stored), CollectionContents(k - 1, j));
        WriteBenchFile(below.path, CollectionContents(k, 100 + j));
        addon.files << below;
    }
    return addon;
}

} // namespace

void WriteBenchFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

QByteArray CollectionContents(int addon, int file) {
    return QByteArrayLiteral("add-on ") + QByteArray::number(addon) + " file " + QByteArray::number(file);
}

QString CollectionFileName(int addon, int file) {
    return QStringLiteral("a%1_f%2.pod").arg(addon, 4, 10, QChar('0')).arg(file, 2, 10, QChar('0'));
}

QString MakeCollection(const QString& work, int addons, int filesEach) {
    SetAside(work);
    const QString fly = work + QStringLiteral("/Fly2/");
    if (!QDir().mkpath(fly + QStringLiteral("scenery")))
        throw std::runtime_error("cannot make " + work.toStdString());
    WriteBenchFile(fly + QStringLiteral("FLY2.EXE"), "MZ");
    qputenv("XDG_DATA_HOME", QFile::encodeName(work + QStringLiteral("/journal")));
    AddonLibrary library(fly);
    if (!library.MakeStore())
        throw std::runtime_error("cannot make the library's store");
    for (int k = 0; k < addons; ++k)
        library.addons << Synthetic(library, k, filesEach);
    if (!library.Save())
        throw std::runtime_error("cannot write the library");
    AppSettings().FlyFolder = fly;
    return fly;
}
