#include "install/AddonCapture.h"

#include "fs/FileUtils.h"
#include "fs/NativeFolder.h"
#include "fs/NativeFs.h"
#include "install/InstallSource.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

AddonCapture::AddonCapture(const InstallRequest& request)
    : flyFolder_(request.flyFolder), library_(request.flyFolder), loaded_(library_.Load()) {
    addon_.id = library_.addons.isEmpty() ? 1 : library_.addons.last().id + 1;
    addon_.name = SourceName(ResolvePath(request.sourceFolder));
    addon_.type = request.type;
    addon_.date = QDateTime::currentDateTimeUtc();
    addon_.source = ResolvePath(request.sourceFolder);
}

Done AddonCapture::BeforeCopy(const QString& path) {
    if (!loaded_)
        return {};
    if (fileAt_.contains(path))
        return {}; // written before by this same add-on: what it replaced is kept already
    AddonFile file{path, FingerprintOf(path), {}, {}};
    if (file.before.kind == Fingerprint::Kind::File) {
        file.stored = library_.NewStoreName();
        Done kept = library_.MakeStore();
        if (kept)
            kept = CopyWholeFile(path, library_.StorePath(file.stored));
        if (!kept)
            return Failure{path, QCoreApplication::translate("AddonCapture",
                                                             "la bibliothèque des add-ons ne peut pas "
                                                             "garder le fichier remplacé (%1)")
                                     .arg(kept.failure().reason)};
    }
    fileAt_.insert(path, addon_.files.size());
    addon_.files << file;
    return {};
}

void AddonCapture::AfterCopy(const QString& path, bool copied, const Fingerprint& written,
                             const QStringList& madeFolders) {
    if (!loaded_)
        return;
    if (const qsizetype i = fileAt_.value(path, -1); i >= 0) {
        AddonFile& file = addon_.files[i];
        if (copied)
            file.after = written.kind == Fingerprint::Kind::Unknown ? FingerprintOf(path) : written;
        else if (file.after.kind == Fingerprint::Kind::Absent)
            ForgetFile(i);
    }
    if (copied)
        addon_.folders << madeFolders;
}

Done AddonCapture::BeforeImport() {
    if (!loaded_)
        return {};
    beforeImport_ = DatabaseSnapshot(flyFolder_);
    for (auto it = beforeImport_.cbegin(); it != beforeImport_.cend(); ++it) {
        const bool inBase = std::any_of(library_.base.cbegin(), library_.base.cend(),
                                        [&it](const DatabaseFile& file) { return file.path == it.key(); });
        if (inBase || kept_.contains(it.key()))
            continue;
        DatabaseFile kept{it.key(), it.value(), library_.NewStoreName()};
        Done copied = library_.MakeStore();
        if (copied)
            copied = CopyWholeFile(it.key(), library_.StorePath(kept.stored));
        if (!copied)
            return Failure{it.key(),
                           QCoreApplication::translate("AddonCapture", "la bibliothèque des add-ons ne peut "
                                                                       "pas garder la base de données (%1)")
                               .arg(copied.failure().reason)};
        kept_.insert(it.key(), kept);
    }
    return {};
}

void AddonCapture::AfterImport(const QString& dexFile, const Result<QString>& ran, bool pauseOnError) {
    if (!loaded_)
        return;
    if (ran)
        addon_.imports.append({ResolvePath(dexFile), *ran, pauseOnError});
    const QHash<QString, Fingerprint> now = DatabaseSnapshot(flyFolder_);
    QStringList paths = now.keys() + beforeImport_.keys();
    paths.removeDuplicates();
    for (const QString& path : paths) {
        const Fingerprint after = now.value(path);
        if (after == beforeImport_.value(path))
            continue;
        if (!addon_.touched.contains(path))
            addon_.touched << path;
        const bool inBase = std::any_of(library_.base.cbegin(), library_.base.cend(),
                                        [&path](const DatabaseFile& file) { return file.path == path; });
        if (!inBase)
            library_.base << (kept_.contains(path) ? kept_.take(path) : DatabaseFile{path, {}, {}});
        library_.left.insert(path, after);
    }
}

Done AddonCapture::Finish() {
    for (const DatabaseFile& unused : std::as_const(kept_))
        Forget(unused.stored);
    kept_.clear();
    if (!loaded_ || (addon_.files.isEmpty() && addon_.imports.isEmpty()))
        return {};
    library_.addons << addon_;
    return library_.Save();
}

void AddonCapture::ForgetFile(qsizetype i) {
    Forget(addon_.files[i].stored);
    fileAt_.remove(addon_.files[i].path);
    addon_.files.removeAt(i);
    for (qsizetype later = i; later < addon_.files.size(); ++later)
        fileAt_[addon_.files[later].path] = later;
}

void AddonCapture::Forget(const QString& stored) {
    // A copy that no add-on refers to any more: one that stays costs room in the store, and its name is
    // never given again.
    if (!stored.isEmpty())
        (void)RemoveFile(library_.StorePath(stored));
}
