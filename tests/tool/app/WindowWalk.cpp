#include "WindowWalk.h"

#include "ScriptedDialogs.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

std::string NameOf(const QWidget& widget) {
    return widget.objectName().toStdString();
}

bool HasPlaceholder(const QString& text) {
    static const QRegularExpression placeholder(QStringLiteral("%L?[0-9]"));
    return text.contains(placeholder);
}

// What a list, a table or a combo box shows.
QStringList ItemTexts(const QWidget& widget) {
    QStringList texts;
    if (const auto* list = qobject_cast<const QListWidget*>(&widget))
        for (int row = 0; row < list->count(); ++row)
            texts << list->item(row)->text();
    if (const auto* table = qobject_cast<const QTableWidget*>(&widget))
        for (int column = 0; column < table->columnCount(); ++column) {
            if (const QTableWidgetItem* header = table->horizontalHeaderItem(column))
                texts << header->text();
            for (int row = 0; row < table->rowCount(); ++row)
                if (const QTableWidgetItem* item = table->item(row, column))
                    texts << item->text();
        }
    if (const auto* combo = qobject_cast<const QComboBox*>(&widget))
        for (int index = 0; index < combo->count(); ++index)
            texts << combo->itemText(index);
    return texts;
}

// What a widget shows as its own text; a caption it must have comes out empty when it is missing.
QStringList OwnTexts(const QWidget& widget, QStringList& captions) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        if (!widget.objectName().isEmpty())
            captions << (button->text().isEmpty() ? widget.accessibleName() : button->text());
        return {button->text()};
    }
    if (const auto* tabs = qobject_cast<const QTabWidget*>(&widget))
        for (int index = 0; index < tabs->count(); ++index)
            captions << tabs->tabText(index);
    if (const auto* label = qobject_cast<const QLabel*>(&widget))
        return {label->text()};
    if (const auto* group = qobject_cast<const QGroupBox*>(&widget))
        return {group->title()};
    if (const auto* edit = qobject_cast<const QLineEdit*>(&widget))
        return {edit->text()};
    if (const auto* memo = qobject_cast<const QPlainTextEdit*>(&widget))
        return {memo->toPlainText()};
    return ItemTexts(widget);
}

} // namespace

bool WindowWalk::Shown(const QWidget& window) {
    EXPECT_TRUE(window.isVisible()) << NameOf(window);
    if (!window.isVisible())
        return false;
    visited_.insert(window.objectName());
    ExpectTexts(window);
    return true;
}

void WindowWalk::Press(const QWidget& window, const QStringList& buttons) {
    for (const QString& name : buttons) {
        auto* button = window.findChild<QAbstractButton*>(name);
        EXPECT_NE(button, nullptr) << NameOf(window) << ": no button " << name.toStdString();
        pressed_[&window] << name;
        if (button == nullptr || !button->isEnabled() || !button->isVisibleTo(&window))
            continue;
        button->click();
        ExpectTexts(window);
    }
}

void WindowWalk::Close(const QWidget& window, const char* button, const QStringList& skipped) {
    QStringList unwalked;
    for (const QAbstractButton* found : window.findChildren<QAbstractButton*>()) {
        const QString name = found->objectName();
        const bool own = !name.isEmpty() && qobject_cast<const QTabBar*>(found->parent()) == nullptr;
        if (own && name != QLatin1String(button) && !pressed_[&window].contains(name) &&
            !skipped.contains(name))
            unwalked << name;
    }
    EXPECT_EQ(unwalked, QStringList()) << NameOf(window) << ": buttons the walk doesn't know";
    Press(window, {QLatin1String(button)});
    EXPECT_FALSE(window.isVisible()) << NameOf(window) << " still open after " << button;
}

void WindowWalk::ExpectTexts(const QWidget& window) const {
    QStringList texts{window.windowTitle()};
    QStringList captions{window.windowTitle()};
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window))
            continue;
        texts << widget->accessibleName() << widget->toolTip() << OwnTexts(*widget, captions);
    }
    for (const QString& text : texts)
        EXPECT_FALSE(HasPlaceholder(text)) << NameOf(window) << ": " << text.toStdString();
    EXPECT_FALSE(captions.contains(QString()))
        << NameOf(window) << ": a title, tab or button without caption";
}

void WindowWalk::ExpectDialogTexts(const ScriptedDialogs& dialogs) {
    for (const ScriptedDialogs::Shown& shown : dialogs.shown()) {
        const bool box = shown.kind != ScriptedDialogs::Kind::SelectFolder;
        const QString& text = shown.kind == ScriptedDialogs::Kind::PickFile ? shown.caption : shown.text;
        EXPECT_FALSE(box && text.isEmpty()) << "a box or dialog without text";
        EXPECT_FALSE(box && text.startsWith(' ')) << "a value missing before: " << text.toStdString();
        for (const QString& part : {shown.text, shown.caption, shown.extra})
            EXPECT_FALSE(HasPlaceholder(part)) << part.toStdString();
    }
}

QStringList WindowWalk::Visited() const {
    QStringList names(visited_.cbegin(), visited_.cend());
    names.sort();
    return names;
}
