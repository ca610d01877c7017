#include "ScriptedDialogs.h"

#include "shell/Dialogs.h"

#include <gtest/gtest.h>

#include <utility>

ScriptedDialogs::ScriptedDialogs() : previous_(SetDialogService(this)) {}

ScriptedDialogs::~ScriptedDialogs() {
    SetDialogService(previous_);
    EXPECT_TRUE(yesNo_.empty()) << "unused Yes/No answers";
    EXPECT_TRUE(folders_.empty()) << "unused folder answers";
    EXPECT_TRUE(files_.empty()) << "unused file answers";
}

QStringList ScriptedDialogs::Texts() const {
    QStringList texts;
    for (const Shown& s : shown_)
        if (s.kind == Kind::Message || s.kind == Kind::Question || s.kind == Kind::Error)
            texts << s.text;
    return texts;
}

void ScriptedDialogs::Message(const QString& text, const QString& caption) {
    shown_.push_back({Kind::Message, text, caption, {}});
}

bool ScriptedDialogs::Question(const QString& text, const QString& caption) {
    shown_.push_back({Kind::Question, text, caption, {}});
    if (onQuestion_)
        std::exchange(onQuestion_, {})();
    if (yesNo_.empty()) {
        if (!unscriptedAnswered_)
            ADD_FAILURE() << "unexpected question: " << text.toStdString();
        return false;
    }
    const bool answer = yesNo_.front();
    yesNo_.pop_front();
    return answer;
}

void ScriptedDialogs::Error(const QString& text) { shown_.push_back({Kind::Error, text, {}, {}}); }

QString ScriptedDialogs::SelectFolder(const QString& start) {
    shown_.push_back({Kind::SelectFolder, start, {}, {}});
    if (folders_.empty()) {
        if (!unscriptedAnswered_)
            ADD_FAILURE() << "unexpected folder dialog starting at " << start.toStdString();
        return {};
    }
    const QString answer = folders_.front();
    folders_.pop_front();
    return answer;
}

QString ScriptedDialogs::PickFile(const QString& startFolder, const QString& defaultExtension, const QString& title,
                                  const QString& filter) {
    shown_.push_back({Kind::PickFile, startFolder, title, defaultExtension + "|" + filter});
    if (files_.empty()) {
        if (!unscriptedAnswered_)
            ADD_FAILURE() << "unexpected file dialog: " << title.toStdString();
        return {};
    }
    const QString answer = files_.front();
    files_.pop_front();
    return answer;
}
