#pragma once

#include "EnvironmentValue.h"
#include "shell/InterfaceLanguage.h"

#include <QByteArray>
#include <QString>

// The user's configuration folder set to folder for the life of the object.
class ConfigFolderScope : public EnvironmentValue {
  public:
    explicit ConfigFolderScope(const QString& folder) : EnvironmentValue("XDG_CONFIG_HOME", folder.toUtf8()) {}
};

// English chosen in configFolder and the interface started in it as the tool starts, on a French desktop;
// French, as the tests' main leaves it, again afterwards.
class EnglishInterface final : public ConfigFolderScope {
  public:
    explicit EnglishInterface(const QString& configFolder) : ConfigFolderScope(configFolder) {
        // Where it can't be stored, the tests that read the choice back fail on it.
        (void)StoreLanguageChoice(LanguageChoice::English);
        UseLanguage(LanguageOf(StoredLanguageChoice(), FrenchDesktop()));
    }
    ~EnglishInterface() { UseLanguage(Language::French); }
    EnglishInterface(const EnglishInterface&) = delete;
    EnglishInterface& operator=(const EnglishInterface&) = delete;

    static QProcessEnvironment FrenchDesktop() {
        QProcessEnvironment environment;
        environment.insert(QStringLiteral("LANG"), QStringLiteral("fr_FR.UTF-8"));
        return environment;
    }
};
