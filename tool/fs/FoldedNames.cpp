#include "fs/FoldedNames.h"

#include <algorithm>

FoldedNames::FoldedNames(const QStringList& names) {
    for (const QString& name : names)
        Add(name);
}

QString FoldedNames::Find(const QString& name) const {
    const auto it = byFolded_.constFind(Folded(name));
    return it == byFolded_.cend() ? QString() : it->first();
}

void FoldedNames::Add(const QString& name) {
    QStringList& same = byFolded_[Folded(name)];
    const auto at = std::lower_bound(same.begin(), same.end(), name);
    if (at == same.end() || *at != name)
        same.insert(at, name);
}

void FoldedNames::Remove(const QString& name) {
    const auto it = byFolded_.find(Folded(name));
    if (it == byFolded_.end())
        return;
    it->removeOne(name);
    if (it->isEmpty())
        byFolded_.erase(it);
}

// Most names have no capital, and keep sharing their text then.
QString FoldedNames::Folded(const QString& name) {
    QString folded = name;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        if (c >= u'A' && c <= u'Z')
            folded[i] = QChar(char16_t(c + 32));
    }
    return folded;
}
