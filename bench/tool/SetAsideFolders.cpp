#include "SetAsideFolders.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString root;
int setAside = 0;

} // namespace

SetAsideFolders::SetAsideFolders(const QString& folder) {
    QDir(folder).removeRecursively();
    if (QDir().mkpath(folder))
        root = folder;
}

SetAsideFolders::~SetAsideFolders() {
    QDir(root).removeRecursively();
    root.clear();
}

void SetAside(const QString& folder) {
    if (!QFileInfo::exists(folder))
        return;
    if (root.isEmpty() || !QDir().rename(folder, root + QStringLiteral("/%1").arg(++setAside)))
        QDir(folder).removeRecursively();
}
