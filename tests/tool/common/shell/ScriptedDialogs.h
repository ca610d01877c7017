#pragma once

#include "shell/DialogService.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

// A dialog service for tests: records every box and dialog, answers from a queue, and fails the test
// when a dialog appears that the test didn't script. Installed for the lifetime of the object.
class ScriptedDialogs final : public DialogService {
public:
    enum class Kind { Message, Question, Error, SelectFolder, PickFile };

    struct Shown {
        Kind kind;
        QString text;     // message text, or the start folder of a folder or file dialog
        QString caption;  // caption, or the title of a file dialog
        QString extra;    // filter and default extension of a file dialog ("ext|filter")
    };

    ScriptedDialogs();
    ~ScriptedDialogs() override;

    // Answers, consumed in order by the dialogs of that kind.
    void AnswerYes() { yesNo_.push_back(true); }
    void AnswerNo() { yesNo_.push_back(false); }
    void AnswerFolder(const QString& folder) { folders_.push_back(folder); }
    void AnswerFile(const QString& file) { files_.push_back(file); }
    // For a walk through the windows: once the answers run out, a question is answered No and a folder or
    // file dialog cancelled instead of failing the test. Every dialog is still recorded.
    void AnswerTheRestWithNo() { unscriptedAnswered_ = true; }
    // Runs action while the next question is shown, as if it happened while the user read it.
    void OnQuestion(std::function<void()> action) { onQuestion_ = std::move(action); }

    const std::vector<Shown>& shown() const { return shown_; }
    // The texts of every box shown (messages, questions and errors), in order.
    QStringList Texts() const;
    // Forgets what was shown so far.
    void Clear() { shown_.clear(); }

    void Message(const QString& text, const QString& caption) override;
    bool Question(const QString& text, const QString& caption) override;
    void Error(const QString& text) override;
    QString SelectFolder(const QString& start) override;
    QString PickFile(const QString& startFolder, const QString& defaultExtension, const QString& title,
                     const QString& filter) override;

private:
    DialogService* previous_;
    std::vector<Shown> shown_;
    std::deque<bool> yesNo_;
    std::deque<QString> folders_;
    std::deque<QString> files_;
    std::function<void()> onQuestion_;
    bool unscriptedAnswered_ = false;
};
