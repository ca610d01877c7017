#include "shell/ui/TF_Progress.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Quick work shows nothing; work that lasts shows how far it got, and "Annuler" stops it at the next file.
// The window's clock is the test's, so that the half second passes exactly where the test says.
TEST(ProgressWindowTest, AppearsAfterHalfASecondAndCancelsAtTheNextFile) {
    QWidget owner;
    qint64 now = 1000;
    TF_Progress progress(&owner, "Copie", [&now] { return now; });
    progress.Wait();
    EXPECT_FALSE(progress.isVisible()) << "no work announced yet";
    progress.Start(3, 3000);
    EXPECT_TRUE(progress.Step("/src/a.pod", 1000));
    now += 499;
    progress.Wait();
    EXPECT_FALSE(progress.isVisible());
    now += 1;
    EXPECT_TRUE(progress.Step("/src/b.pod", 1000));
    ASSERT_TRUE(progress.isVisible());
    EXPECT_EQ(progress.findChild<QLabel*>("LabelFiles")->text(),
              QString::fromUtf8("Fichiers traités : 1 sur 3"));
    EXPECT_EQ(progress.findChild<QLabel*>("LabelBytes")->text(),
              QString::fromUtf8("Données copiées : 1000 octets sur 2,9 Ko"));
    EXPECT_EQ(progress.findChild<QLabel*>("LabelCurrent")->text(), "Fichier en cours : /src/b.pod");
    QTest::mouseClick(progress.findChild<QPushButton*>("ButtonCancel"), Qt::LeftButton);
    EXPECT_FALSE(progress.Step("/src/c.pod", 1000));
}

} // namespace
