// The system's reasons for a failure, in the language of the interface.
#include "EnglishInterface.h"
#include "TempFolder.h"

#include "fs/NativeFs.h"
#include "fs/SystemReason.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

namespace {

struct Reason final {
    int error;
    const char* french;
    const char* english;
};

const Reason Reasons[] = {
    {ENOSPC, "Aucun espace disponible sur le périphérique", "No space left on device"},
    {EDQUOT, "Quota de disque dépassé", "Disk quota exceeded"},
    {EROFS, "Système de fichiers en lecture seule", "Read-only file system"},
    {EACCES, "Permission refusée", "Permission denied"},
    {EPERM, "Permission refusée", "Permission denied"},
    {ENOENT, "Aucun fichier ou dossier de ce nom", "No such file or directory"},
    {EEXIST, "Le fichier existe", "File exists"},
    {EIO, "Erreur d'entrée/sortie", "Input/output error"},
    {EISDIR, std::strerror(EISDIR), std::strerror(EISDIR)}, // any other: the system's own words
};

TEST(SystemReasonTest, ReasonsFollowTheInterfaceLanguage) {
    for (const Reason& reason : Reasons)
        EXPECT_EQ(SystemReason(reason.error), QString::fromUtf8(reason.french)) << reason.english;
    const TempFolder config;
    const EnglishInterface english(config.Path("config"));
    for (const Reason& reason : Reasons)
        EXPECT_EQ(SystemReason(reason.error), QString::fromUtf8(reason.english));
}

TEST(SystemReasonTest, AFailedWriteCarriesTheReasonOfTheInterface) {
    const TempFolder folder;
    const QString file = folder.Path("missing/fly.ini");
    const Done french = WriteFileAtomic(file, "x");
    ASSERT_FALSE(french);
    EXPECT_EQ(french.failure().reason, QString::fromUtf8("Aucun fichier ou dossier de ce nom"));
    const EnglishInterface english(folder.Path("config"));
    const Done inEnglish = WriteFileAtomic(file, "x");
    ASSERT_FALSE(inEnglish);
    EXPECT_EQ(inEnglish.failure().reason, QStringLiteral("No such file or directory"));
}

} // namespace
