#include "shell/ui/QtDialogService.h"

#include "shell/ui/TFSelDirDlg.h"
#include "shell/ui/TFormKestrelTools.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>
#include <vector>

namespace {

// Takes the stay-on-top hint off every visible window for the lifetime of the object.
class TopMostLowered final {
public:
    TopMostLowered() {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible() && window->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
                lowered_.emplace_back(window);
                SetOnTop(window, false);
            }
    }
    ~TopMostLowered() {
        for (const QPointer<QWidget>& window : lowered_)
            if (window)
                SetOnTop(window, true);
    }
    TopMostLowered(const TopMostLowered&) = delete;
    TopMostLowered& operator=(const TopMostLowered&) = delete;

private:
    static void SetOnTop(QWidget* window, bool onTop) {
        window->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
        window->show(); // a change of window flags hides the window
    }

    std::vector<QPointer<QWidget>> lowered_;
};

QMessageBox::StandardButton ShowBox(QMessageBox::Icon icon, const QString& text, const QString& caption,
                                    QMessageBox::StandardButtons buttons) {
    TopMostLowered lowered;
    QMessageBox box(icon, caption, text, buttons, QApplication::activeWindow());
    box.setObjectName("MessageBox");
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

QtDialogService::QtDialogService(TFSelDirDlg& folderDialog, TFormKestrelTools& fileDialogHolder)
    : folderDialog_(folderDialog), fileDialogHolder_(fileDialogHolder) {}

void QtDialogService::Message(const QString& text, const QString& caption) {
    ShowBox(QMessageBox::NoIcon, text, caption, QMessageBox::Ok);
}

bool QtDialogService::Question(const QString& text, const QString& caption) {
    return ShowBox(QMessageBox::Question, text, caption, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

void QtDialogService::Error(const QString& text) {
    ShowBox(QMessageBox::Critical, text, QApplication::applicationDisplayName(), QMessageBox::Ok);
}

QString QtDialogService::SelectFolder(const QString& start) {
    TopMostLowered lowered;
    return folderDialog_.Execute(start);
}

QString QtDialogService::PickFile(const QString& startFolder, const QString& defaultExtension,
                                  const QString& title, const QString& filter) {
    TopMostLowered lowered;
    return fileDialogHolder_.PickFile(startFolder, defaultExtension, title, filter);
}
