#pragma once

#include "fs/Result.h"

#include <QProcessEnvironment>

// The language of the tool's texts: French, the language they are written in, or the English translation.
enum class Language { French, English };
// What the options window offers: the desktop's language, or one of the two.
enum class LanguageChoice { Automatic, French, English };

// The desktop's language by the usual rule: the first non-empty of LANGUAGE (a colon-separated list,
// its first entry), LC_ALL, LC_MESSAGES, LANG. French when none is set, for the C and POSIX locales
// and for any French locale; English for every other language.
Language LanguageOfEnvironment(const QProcessEnvironment& environment);
// choice, with Automatic taken from the environment.
Language LanguageOf(LanguageChoice choice, const QProcessEnvironment& environment);

// The choice kept in the user's configuration folder; Automatic when none was stored.
LanguageChoice StoredLanguageChoice();
// Keeps choice in the user's configuration folder, for the next start; a failure names the file that could
// not be written.
Done StoreLanguageChoice(LanguageChoice choice);

// Makes the texts, Qt's own included, follow language: the English translation, or Qt's French texts.
// Needs the application object; a later call replaces what an earlier one installed.
void UseLanguage(Language language);
