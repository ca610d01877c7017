// The owners of each path on a random collection: a few hundred installs and removals in random order,
// the library's stacks and the scenery folder checked after each against a plain model of stacks.
#include "InstallFixture.h"

#include "fs/Outcome.h"
#include "install/AddonInstall.h"
#include "install/AddonLibrary.h"
#include "install/AddonRemoval.h"
#include "install/InstallPlan.h"
#include "install/ui/InstallationBoxes.h"
#include "install/ui/RemovalBoxes.h"
#include "journal/JournalScope.h"
#include "shell/Progress.h"

#include <QList>
#include <QMap>

#include <random>

namespace {

constexpr int Paths = 16;

struct Layer final {
    int id = 0;
    QByteArray contents;
};

// Per path of the scenery folder, what the add-ons wrote there from the bottom up; some paths hold an
// original file below them.
class StackModel final {
  public:
    QMap<QString, QList<Layer>> stacks;
    QMap<QString, QByteArray> originals;

    void Install(int id, const QMap<QString, QByteArray>& files) {
        for (auto file = files.cbegin(); file != files.cend(); ++file)
            stacks[file.key()].append({id, file.value()});
    }

    void Remove(int id) {
        for (QList<Layer>& stack : stacks)
            stack.removeIf([id](const Layer& layer) { return layer.id == id; });
    }

    QList<int> Owners(const QString& path) const {
        QList<int> ids;
        for (const Layer& layer : stacks.value(path))
            ids << layer.id;
        return ids;
    }

    // The scenery folder as the stacks say: each top layer, else the original; folders aside.
    QMap<QString, QByteArray> Folder() const {
        QMap<QString, QByteArray> folder = originals;
        for (auto stack = stacks.cbegin(); stack != stacks.cend(); ++stack)
            if (!stack->isEmpty())
                folder.insert(stack.key(), stack->last().contents);
        return folder;
    }
};

class OwnerStacksTest : public InstallFixture {
  protected:
    void SetUp() override {
        InstallFixture::SetUp();
        CreateFile("Fly2/FLY2.EXE", "MZ");
        for (int p = 0; p < Paths; p += 3)
            model_.originals.insert(PathName(p), "original " + QByteArray::number(p));
        for (auto file = model_.originals.cbegin(); file != model_.originals.cend(); ++file)
            CreateFile("Fly2/scenery/" + file.key(), file.value());
    }

    static QString PathName(int p) { return QStringLiteral("t%1.pod").arg(p, 2, 10, QChar('0')); }

    // An add-on of one to five random paths, installed as the installer window installs it.
    void InstallOne(int n) {
        QMap<QString, QByteArray> files;
        for (int n = std::uniform_int_distribution(1, 5)(random_); n > 0; --n) {
            const QString name = PathName(std::uniform_int_distribution(0, Paths - 1)(random_));
            files.insert(name, QStringLiteral("add-on %1's %2").arg(n).arg(name).toUtf8());
        }
        const QString source = QStringLiteral("sources/addon%1").arg(n);
        for (auto file = files.cbegin(); file != files.cend(); ++file)
            CreateFile(source + '/' + file.key(), file.value());
        InstallRequest request;
        request.sourceFolder = Path(source);
        request.sourceList = ListInstallSource(request.sourceFolder);
        request.destination = Path("Fly2/scenery/");
        request.flyFolder = Path("Fly2/");
        request.renameSources = false;
        {
            const JournalScope journal(request.flyFolder, InstallationName(request.type));
            ASSERT_TRUE(InstallationBoxes(RunInstallation(request, [](const QString&) {})).ok());
        }
        AddonLibrary library(Path("Fly2/"));
        EXPECT_TRUE(library.Load());
        ASSERT_FALSE(library.addons.isEmpty());
        // The library gives the id: the one after the newest add-on's.
        present_ << library.addons.last().id;
        model_.Install(present_.last(), files);
    }

    void RemoveOne(int id) {
        AddonLibrary library(Path("Fly2/"));
        EXPECT_TRUE(library.Load());
        const int index = library.IndexOf(id);
        ASSERT_GE(index, 0) << id;
        const Outcome removed = RemovalBoxes(RemoveAddon(
            Path("Fly2/"), PlanRemoval(library, index), false, [](const QString&) {}, NoProgress()));
        ASSERT_EQ(removed.box(), Outcome::Box::Info) << removed.text().toStdString();
        model_.Remove(id);
    }

    void ExpectAsModelled() {
        AddonLibrary library(Path("Fly2/"));
        const Done loaded = library.Load();
        ASSERT_TRUE(loaded) << loaded.failure().reason.toStdString();
        for (int p = 0; p < Paths; ++p) {
            QList<int> ids;
            for (const int index : library.Owners(Path("Fly2/scenery/") + PathName(p)))
                ids << library.addons[index].id;
            ASSERT_EQ(ids, model_.Owners(PathName(p))) << PathName(p).toStdString();
        }
        QMap<QString, QByteArray> folder = Tree("Fly2/scenery");
        ASSERT_EQ(Listed(folder), Listed(model_.Folder()));
    }

    std::mt19937 random_{38};
    StackModel model_;
    QList<int> present_; // the ids of the add-ons installed and not removed
};

TEST_F(OwnerStacksTest, RandomInstallsAndRemovalsKeepTheStacksOfTheModel) {
    for (int step = 0; step < 200; ++step) {
        SCOPED_TRACE(step);
        if (present_.isEmpty() || std::uniform_int_distribution(0, 9)(random_) < 6) {
            ASSERT_NO_FATAL_FAILURE(InstallOne(step));
        } else {
            const int id = present_.takeAt(std::uniform_int_distribution<qsizetype>(0, present_.size() - 1)(random_));
            ASSERT_NO_FATAL_FAILURE(RemoveOne(id));
        }
        ASSERT_NO_FATAL_FAILURE(ExpectAsModelled());
    }
    // Every add-on left removed by its id, in random order: only the originals stay.
    std::shuffle(present_.begin(), present_.end(), random_);
    for (const int id : std::as_const(present_))
        ASSERT_NO_FATAL_FAILURE(RemoveOne(id));
    EXPECT_EQ(Listed(Tree("Fly2/scenery")), Listed(model_.originals));
}

} // namespace
