#pragma once

#include "fs/Result.h"
#include "initune/IniGrid.h"

#include <QStringList>

#include <optional>

// The fly.ini mode of the tuning window: the file beside recommended values from "flyinirec.txt".

// The 62 lines written when "flyinirec.txt" is missing.
QStringList DefaultRecommendations();
// programFolder + "flyinirec.txt", created with the defaults when missing (a failure is silent).
QString RecommendationsFile(const QString& programFolder);
// The recommendation lines; none when the file can't be read.
QStringList LoadRecommendations(const QString& programFolder);

// Clears the grid, reads the file at path into rows 1 on and merges the recommendations of
// programFolder. False when the file isn't there, the failure when it can't be read (LoadIniPage); the grid
// then stays empty.
Result<bool> LoadFlyIni(IniGrid& grid, const QString& path, const QString& programFolder);
// Pass 1 puts each recommendation in the first row of the same name (case ignored); pass 2 appends
// a row for each one no row took.
void MergeRecommendations(IniGrid& grid, const QStringList& recommendations);
// Recommends value for key in the first row of that name, or in a new row; the row's index.
int SetRecommendation(IniGrid& grid, const QString& key, const QString& value);
// NEW := Recommended wherever a recommendation differs from the file's value.
void ApplyRecommendations(IniGrid& grid);

// Searches column 0 for text (case ignored; an empty text finds an empty name) from the grid's search
// position (0 when negative). The hit row, which becomes the search position, or none: the position goes
// back to -1.
std::optional<int> SearchName(IniGrid& grid, const QString& text);
