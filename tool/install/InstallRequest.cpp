#include "install/InstallRequest.h"

#include <QCoreApplication>

namespace {

struct TypeTexts final {
    const char* name;
    const char* firstLine;
    const char* caption;
};

// By type, in the order of the enumeration.
const TypeTexts Texts[] = {
    {QT_TRANSLATE_NOOP("Operation", "Installation scénes"),
     QT_TRANSLATE_NOOP("InstallRequest", "*** Installing Scenery ***"),
     QT_TRANSLATE_NOOP("InstallRequest", "scènes (+ taxiways)")},
    {QT_TRANSLATE_NOOP("Operation", "Installation scènes vers un répertoire externe"),
     QT_TRANSLATE_NOOP("InstallRequest", "*** Installing Scenery to external/other folder ***"),
     QT_TRANSLATE_NOOP("InstallRequest", "scènes vers un répertoire externe")},
    {QT_TRANSLATE_NOOP("Operation", "Installation taxiways"),
     QT_TRANSLATE_NOOP("InstallRequest", "*** Installing Taxiways ***"),
     QT_TRANSLATE_NOOP("InstallRequest", "taxiways (pod)/[bgr,txp,tms]")},
    {QT_TRANSLATE_NOOP("Operation", "Installation avions"), "",
     QT_TRANSLATE_NOOP("InstallRequest", "avions NON IMPLEMENTES")},
    {QT_TRANSLATE_NOOP("Operation", "Installation script"), "",
     QT_TRANSLATE_NOOP("InstallRequest", "script NON IMPLEMENTES")},
    {QT_TRANSLATE_NOOP("Operation", "Installation DEX files"),
     QT_TRANSLATE_NOOP("InstallRequest", "*** Installing DEX files ***"),
     QT_TRANSLATE_NOOP("InstallRequest", "DEX files import /Navmerger.exe")},
    {QT_TRANSLATE_NOOP("Operation", "Installation arborescence de Fly!"),
     QT_TRANSLATE_NOOP("InstallRequest", "*** Installing into the Fly! folders ***"),
     QT_TRANSLATE_NOOP("InstallRequest", "arborescence de Fly! (avions, scripts, modules, sons...)")},
};

} // namespace

QString InstallationName(InstallType type) {
    return QString::fromUtf8(Texts[int(type)].name);
}

QString FirstLogLine(InstallType type) {
    return QCoreApplication::translate("InstallRequest", Texts[int(type)].firstLine);
}

QString InstallTypeCaption(InstallType type) {
    return QCoreApplication::translate("InstallRequest", Texts[int(type)].caption);
}
