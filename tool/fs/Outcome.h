#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

// What the tool's logic asks its window to show, in order: information boxes (with a caption or none), the
// application's error box, warnings captioned "Attention", and at most one question, last, whose answer the
// window hands to the step that follows it. Empty when there is nothing to say. A function that has nothing
// else to return returns one; a function that also returns a value appends to one passed in.
struct [[nodiscard]] Outcome final {
    enum class Box { None, Info, Error, Warning, Question };

    struct Notice final {
        Box box = Box::None;
        QString text;
        QString caption;
    };

    QList<Notice> notices;

    static Outcome Info(const QString& text, const QString& caption = {}) {
        return {{{Box::Info, text, caption}}};
    }
    static Outcome Error(const QString& text) { return {{{Box::Error, text, {}}}}; }
    static Outcome Warning(const QString& text) {
        return {{{Box::Warning, text, QCoreApplication::translate("Outcome", "Attention")}}};
    }
    static Outcome Question(const QString& text, const QString& caption = {}) {
        return {{{Box::Question, text, caption}}};
    }

    Outcome& operator+=(const Outcome& later) {
        notices += later.notices;
        return *this;
    }
    bool ok() const { return notices.isEmpty(); }
    // The first notice's box and text: Box::None and empty when there is none.
    Box box() const { return ok() ? Box::None : notices.front().box; }
    QString text() const { return ok() ? QString() : notices.front().text; }
};
