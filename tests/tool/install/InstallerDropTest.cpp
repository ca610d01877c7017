// A file or folder dropped on the installer window from a file manager becomes its source.
#include "SettingsTest.h"

#include "install/ui/TF_AutoInstall.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QUrl>

namespace {

class InstallerDropTest : public SettingsTest {
  protected:
    // Drags urls over target and drops them there, as the window system does; true when the drag was
    // taken.
    bool Drop(QWidget& target, const QList<QUrl>& urls, const QString& text = {}) {
        QMimeData data;
        data.setUrls(urls);
        if (!text.isEmpty())
            data.setText(text);
        const QPoint middle = target.rect().center();
        QDragEnterEvent enter(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&target, &enter);
        QDropEvent drop(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&target, &drop);
        return enter.isAccepted();
    }

    TF_AutoInstall window;
};

TEST_F(InstallerDropTest, OneLocalFileOrFolderBecomesTheSource) {
    window.show();
    for (const QString& source : {CreateFile("Downloads/Scènes été.zip"), CreateDir("Downloads/addon")}) {
        SCOPED_TRACE(source.toStdString());
        EXPECT_TRUE(Drop(window, {QUrl::fromLocalFile(source)}));
        EXPECT_EQ(window.SourceFolder(), source);
    }
    // On the destination field too, which keeps its text.
    auto* destination = window.findChild<QLineEdit*>("EditDestination");
    const QString text = destination->text();
    const QString archive = CreateFile("Downloads/other.7z");
    EXPECT_TRUE(Drop(*destination, {QUrl::fromLocalFile(archive)}, QUrl::fromLocalFile(archive).toString()));
    EXPECT_EQ(window.SourceFolder(), archive);
    EXPECT_EQ(destination->text(), text);
}

TEST_F(InstallerDropTest, SeveralFilesOrOneFromElsewhereAreRefused) {
    window.show();
    const QString kept = CreateDir("addon");
    window.SetSourceFolder(kept);
    const QList<QList<QUrl>> refused = {
        {QUrl::fromLocalFile(CreateFile("a.zip")), QUrl::fromLocalFile(CreateFile("b.zip"))},
        {QUrl("https://example.org/addon.zip")},
        {}};
    for (const QList<QUrl>& urls : refused) {
        EXPECT_FALSE(Drop(window, urls)) << urls.size();
        EXPECT_EQ(window.SourceFolder(), kept);
    }
}

} // namespace
