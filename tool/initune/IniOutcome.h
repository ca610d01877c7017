#pragma once

#include <QString>

// What an INI operation asks the window to show: nothing, an information box (ShowInfo), the
// application's error box (ShowError) or a warning with the caption "Attention".
struct IniOutcome final {
    enum class Box { None, Info, Error, Warning };

    Box box = Box::None;
    QString text;

    static IniOutcome Info(const QString& message) { return {Box::Info, message}; }
    static IniOutcome Error(const QString& message) { return {Box::Error, message}; }
    static IniOutcome Warning(const QString& message) { return {Box::Warning, message}; }
    bool ok() const { return box == Box::None; }
};
