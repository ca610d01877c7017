#pragma once

#include <QString>
#include <QList>

#include <functional>

// What one batch cost, measured inside the process.
struct BatchCost final {
    double wallSeconds = 0;
    double processorSeconds = 0; // user + system
};

// The batch to time: returns how many files it handled.
using Batch = std::function<int()>;

// One batch over a fresh folder: prepare makes the files under work, lists them as the window does when
// it opens, and hands back the batch that OK runs; floor makes the same files and hands back the same
// changes made with one plain system call per step (no lookup, no check).
struct FileLayerScenario final {
    QString title;
    std::function<Batch(const QString& work, int files)> prepare;
    std::function<Batch(const QString& work, int files)> floor;
};

struct ScenarioCost final {
    BatchCost layer;
    BatchCost floor;
};

// Switching a DLL folder off and on, the same with scenery sub-folders, and the DLL folder backup.
QList<FileLayerScenario> FileLayerScenarios();
// The median costs of runs runs of scenario and its floor on files files (each on a fresh folder below
// work); throws std::runtime_error when a run handles another number of files.
ScenarioCost MeasureScenario(const FileLayerScenario& scenario, const QString& work, int files, int runs);
