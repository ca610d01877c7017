#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

// Starting outside programs.
struct RunResult final {
    bool started = false;
    int exitStatus = -1;
    QByteArray output; // standard output and standard error, merged
};

// Whether program is a Windows program (named *.exe and neither an ELF binary nor a script).
bool IsWindowsProgram(const QString& program);
// The wine that starts Windows programs here, or empty when wine is not installed.
QString WineProgram();

// Both below start a Windows .exe through wine, in the simulator's Wine prefix (WINEPREFIX) when it lies
// in one, else with the environment unchanged; a native program runs directly.
// Starts a program without waiting. Returns an empty
// string when it started, else the French text that says why nothing started.
QString StartProgram(const QString& program, const QStringList& arguments, const QString& workingFolder);

// Starts program with arguments in workingFolder (empty: the program's own folder), waits without limit
// and captures its output. When it could not be started, output holds the French reason when there is one.
RunResult RunAndWait(const QString& program, const QStringList& arguments, const QString& workingFolder);

using OutputReader = std::function<void(const QByteArray&)>;
// The same, handing the output to read piece by piece as it comes and calling wait between pieces (at least
// every 50 ms), so that the caller's window stays alive; output stays empty then unless nothing started.
RunResult RunAndRead(const QString& program, const QStringList& arguments, const QString& workingFolder,
                     const OutputReader& read, const std::function<void()>& wait);
