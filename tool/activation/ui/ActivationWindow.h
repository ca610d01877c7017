#pragma once

#include "activation/ActivationEntry.h"
#include "activation/ActivationSwitch.h"

#include <QWidget>

class QBoxLayout;
class QLabel;
class QListWidget;

// The body the three activation windows share: a header label, the folder label Label3, a checked list
// shown sorted by name, and the buttons OK, Cancel, check all and uncheck all. The list is filled when
// the window is shown with nothing loaded, and emptied when the window is hidden.
class ActivationWindow : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ActivationWindow)
  public:
    // The entries with their marks, in the order shown.
    ActivationEntries Entries() const;
    // Replaces the entries (shown sorted); a window shown afterwards keeps them instead of listing.
    void SetEntries(ActivationEntries entries);
    QString FolderLabel() const;
    void SetFolderLabel(const QString& folder);

    // OK: renames the files to the states the marks ask for, then hides the window.
    void Button1Click();
    // Cancel: hides the window, no file touched.
    void Button2Click();
    // Check all, uncheck all.
    void Button3Click();
    void Button4Click();

  protected:
    // The window's French texts, marked with QT_TRANSLATE_NOOP("ActivationWindow", ...); listName is an
    // object name.
    struct Texts final {
        const char* caption;
        const char* header;
        const char* listName;
        const char* listAccessibleName;
        const char* checkAll;
        const char* uncheckAll;
    };

    ActivationWindow(ActivationKind kind, const Texts& texts, QWidget* parent);

    // Lists the files into the empty list when the window is shown.
    virtual void FillList() = 0;
    // The folder the list belongs to: OK renames nothing outside it.
    virtual QString RootFolder() const = 0;
    // The row below the list, for a window's extra controls.
    QBoxLayout* ExtraRow() const { return extraRow_; }

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void SetAllMarks(bool checked);

    ActivationKind kind_;
    bool loaded_ = false;
    QLabel* label3_;
    QListWidget* list_;
    QBoxLayout* extraRow_;
};
