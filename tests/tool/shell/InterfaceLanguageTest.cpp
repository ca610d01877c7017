// The language of the interface: the desktop's by the usual rule, the choice kept in the configuration
// folder, and the translations that follow it, Qt's own included.
#include "EnglishInterface.h"
#include "TempFolder.h"

#include <QCoreApplication>
#include <QFile>
#include <QList>
#include <gtest/gtest.h>

#include <ostream>
#include <utility>

namespace {

struct DesktopCase {
    const char* name;
    QList<std::pair<const char*, const char*>> variables;
    Language expected;
};

void PrintTo(const DesktopCase& desktop, std::ostream* os) {
    *os << desktop.name;
}

class DesktopLanguageTest : public ::testing::TestWithParam<DesktopCase> {};

TEST_P(DesktopLanguageTest, FollowsTheFirstVariableSet) {
    QProcessEnvironment environment;
    for (const auto& [name, value] : GetParam().variables)
        environment.insert(QLatin1String(name), QLatin1String(value));
    EXPECT_EQ(LanguageOfEnvironment(environment), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Variables, DesktopLanguageTest,
    ::testing::Values(
        DesktopCase{"Nothing", {}, Language::French}, DesktopCase{"C", {{"LANG", "C"}}, Language::French},
        DesktopCase{"CUtf8", {{"LC_ALL", "C.UTF-8"}, {"LANG", "en_US.UTF-8"}}, Language::French},
        DesktopCase{"Posix", {{"LC_MESSAGES", "POSIX"}}, Language::French},
        DesktopCase{"FrenchModifier", {{"LANG", "fr_BE.UTF-8@euro"}}, Language::French},
        DesktopCase{"English", {{"LANG", "en_US.UTF-8"}}, Language::English},
        DesktopCase{"AnyOther", {{"LANG", "de_DE.UTF-8"}}, Language::English},
        DesktopCase{"LanguageListFirst", {{"LANGUAGE", "fr:en"}, {"LANG", "en_GB.UTF-8"}}, Language::French},
        DesktopCase{"EmptySkipped",
                    {{"LANGUAGE", ""}, {"LC_ALL", ""}, {"LC_MESSAGES", "en_GB"}, {"LANG", "fr_FR.UTF-8"}},
                    Language::English},
        DesktopCase{
            "AllBeforeMessages", {{"LC_ALL", "es_ES.UTF-8"}, {"LC_MESSAGES", "fr_FR"}}, Language::English}),
    [](const ::testing::TestParamInfo<DesktopCase>& info) { return std::string(info.param.name); });

TEST(InterfaceLanguageTest, StoredChoiceWinsOverTheDesktopAndLivesInTheConfigFolder) {
    const TempFolder config;
    QProcessEnvironment english;
    english.insert(QStringLiteral("LANG"), QStringLiteral("en_US.UTF-8"));
    {
        const EnglishInterface interface(config.Path("config"));
        EXPECT_TRUE(QFile::exists(config.Path("config/flykestrel/flykestrel.conf")));
        EXPECT_EQ(StoredLanguageChoice(), LanguageChoice::English);
        ASSERT_TRUE(StoreLanguageChoice(LanguageChoice::French));
        EXPECT_EQ(LanguageOf(StoredLanguageChoice(), english), Language::French);
        ASSERT_TRUE(StoreLanguageChoice(LanguageChoice::Automatic));
        EXPECT_EQ(LanguageOf(StoredLanguageChoice(), english), Language::English);
        EXPECT_EQ(LanguageOf(StoredLanguageChoice(), EnglishInterface::FrenchDesktop()), Language::French);
    }
    EXPECT_EQ(StoredLanguageChoice(), LanguageChoice::Automatic); // another folder, nothing stored there
}

TEST(InterfaceLanguageTest, TranslationsFollowTheLanguageQtsOwnIncluded) {
    const TempFolder config;
    {
        const EnglishInterface interface(config.Path("config"));
        EXPECT_EQ(QCoreApplication::translate("TF_main", "QUITTER"), "QUIT");
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
    }
    EXPECT_EQ(QCoreApplication::translate("TF_main", "QUITTER"), "QUITTER");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Annuler");
}

} // namespace
