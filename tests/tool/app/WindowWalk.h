#pragma once

#include <QHash>
#include <QSet>
#include <QStringList>

class QWidget;
class ScriptedDialogs;

// A walk through windows as a user clicks them: each button pressed is remembered by window, each window
// that appeared too, and after every press the window's texts are checked: no placeholder left unreplaced,
// no window title, tab or button without its caption.
class WindowWalk final {
  public:
    // Checks that window is shown and its texts; false when it is not shown.
    bool Shown(const QWidget& window);
    // Presses the window's buttons in turn, those that are enabled and in view; each must exist.
    void Press(const QWidget& window, const QStringList& buttons);
    // Presses the window's button that closes it. Every button of the window must have been pressed by then,
    // or be one of skipped (those that change files without asking).
    void Close(const QWidget& window, const char* button, const QStringList& skipped = {});
    void ExpectTexts(const QWidget& window) const;
    // The boxes and dialogs shown: each with its text (a file dialog with its title), every placeholder
    // replaced.
    static void ExpectDialogTexts(const ScriptedDialogs& dialogs);

    // The object names of the windows shown, sorted.
    QStringList Visited() const;

  private:
    QSet<QString> visited_;
    QHash<const QWidget*, QStringList> pressed_;
};
