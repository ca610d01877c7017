#include "shell/InterfaceLanguage.h"

#include "shell/OwnFilesFolder.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>
#include <array>

namespace {

const QString ChoiceKey = QStringLiteral("language");
constexpr std::array<const char*, 3> ChoiceNames = {"auto", "fr", "en"};

// The file beside the preferences that keeps the tool's settings of the user's own.
QSettings UserSettings() {
    return QSettings(UserConfigFolder() + QStringLiteral("flykestrel.conf"), QSettings::IniFormat);
}

} // namespace

Language LanguageOfEnvironment(const QProcessEnvironment& environment) {
    QString locale;
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = environment.value(QLatin1String(name)).section(QLatin1Char(':'), 0, 0);
        if (!locale.isEmpty())
            break;
    }
    // language[_territory][.codeset][@modifier]
    const QString language = locale.section(QLatin1Char('_'), 0, 0)
                                 .section(QLatin1Char('.'), 0, 0)
                                 .section(QLatin1Char('@'), 0, 0);
    const bool french = language.isEmpty() || language == QLatin1String("C") ||
                        language == QLatin1String("POSIX") || language == QLatin1String("fr");
    return french ? Language::French : Language::English;
}

Language LanguageOf(LanguageChoice choice, const QProcessEnvironment& environment) {
    switch (choice) {
    case LanguageChoice::French:
        return Language::French;
    case LanguageChoice::English:
        return Language::English;
    case LanguageChoice::Automatic:
        break;
    }
    return LanguageOfEnvironment(environment);
}

LanguageChoice StoredLanguageChoice() {
    const QString stored = UserSettings().value(ChoiceKey).toString();
    for (std::size_t i = 0; i < ChoiceNames.size(); ++i)
        if (stored == QLatin1String(ChoiceNames[i]))
            return static_cast<LanguageChoice>(i);
    return LanguageChoice::Automatic;
}

Done StoreLanguageChoice(LanguageChoice choice) {
    if (UserConfigFolder().isEmpty())
        return Failure{QStringLiteral("flykestrel.conf"),
                       QCoreApplication::translate("InterfaceLanguage", "dossier personnel inconnu")};
    QSettings settings = UserSettings();
    settings.setValue(ChoiceKey, QLatin1String(ChoiceNames[static_cast<std::size_t>(choice)]));
    settings.sync();
    if (settings.status() != QSettings::NoError)
        return Failure{settings.fileName(), QCoreApplication::translate("InterfaceLanguage",
                                                                        "le fichier ne peut pas être écrit")};
    return {};
}

void UseLanguage(Language language) {
    static QTranslator english;
    static QTranslator qtFrench;
    QCoreApplication::removeTranslator(&english);
    QCoreApplication::removeTranslator(&qtFrench);
    if (language == Language::English) {
        if (english.load(QStringLiteral(":/i18n/flykestrel_en.qm")))
            QCoreApplication::installTranslator(&english);
    } else if (qtFrench.load(QStringLiteral("qtbase_fr"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qtFrench);
    }
}
