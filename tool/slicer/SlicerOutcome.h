#pragma once

#include "slicer/SlicerSettings.h"

#include <QString>

#include <optional>

// What a file action of the slicer window asks it to show: the information box, then the error box,
// each when its text isn't empty; and the settings a values file gave.
struct SlicerOutcome final {
    QString info;
    QString error;
    std::optional<SlicerSettings> loaded;

    static SlicerOutcome Info(const QString& text) { return {text, {}, {}}; }
    static SlicerOutcome Error(const QString& text) { return {{}, text, {}}; }
    static SlicerOutcome Loaded(const SlicerSettings& settings) { return {{}, {}, settings}; }
};
