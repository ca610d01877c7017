#pragma once

#include "shell/InterfaceLanguage.h"

#include <QByteArray>
#include <QString>

// The user's configuration folder set to folder for the life of the object.
class ConfigFolderScope {
  public:
    explicit ConfigFolderScope(const QString& folder) : saved_(qgetenv("XDG_CONFIG_HOME")) {
        qputenv("XDG_CONFIG_HOME", folder.toUtf8());
    }
    ~ConfigFolderScope() { qputenv("XDG_CONFIG_HOME", saved_); }
    ConfigFolderScope(const ConfigFolderScope&) = delete;
    ConfigFolderScope& operator=(const ConfigFolderScope&) = delete;

  private:
    QByteArray saved_;
};

// English chosen in configFolder and the interface started in it as the tool starts, on a French desktop;
// French, as the tests' main leaves it, again afterwards.
class EnglishInterface final : public ConfigFolderScope {
  public:
    explicit EnglishInterface(const QString& configFolder) : ConfigFolderScope(configFolder) {
        StoreLanguageChoice(LanguageChoice::English);
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
