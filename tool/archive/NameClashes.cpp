#include "archive/NameClashes.h"

#include "fs/FoldedNames.h"

#include <QCoreApplication>

std::optional<QString> NameClashes::Add(const QString& name, bool folder) {
    for (qsizetype slash = name.indexOf(u'/'); slash >= 0; slash = name.indexOf(u'/', slash + 1))
        if (const std::optional<QString> why = AddOne(name.left(slash), true))
            return why;
    return AddOne(name, folder);
}

std::optional<QString> NameClashes::AddOne(const QString& name, bool folder) {
    const QString folded = FoldedNames::Folded(name);
    const auto it = byFolded_.constFind(folded);
    if (it == byFolded_.cend()) {
        byFolded_.insert(folded, Seen{name, folder});
        return std::nullopt;
    }
    if (it->name != name)
        return QCoreApplication::translate("Archive", "même nom que « %1 » à la casse près").arg(it->name);
    if (it->folder != folder)
        return QCoreApplication::translate("Archive", "« %1 » à la fois fichier et dossier").arg(name);
    if (!folder)
        return QCoreApplication::translate("Archive", "nom donné deux fois");
    return std::nullopt;
}
