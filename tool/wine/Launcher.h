#pragma once

#include "fs/Result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

// Starting outside programs. A Windows .exe starts through wine, with WINEPREFIX set to winePrefix when
// that is not empty (else with the environment unchanged); a native program runs directly. A program that
// could not be started is the failure, named as it is on disk, with the reason when there is one.

// Whether program is a Windows program (named *.exe and neither an ELF binary nor a script).
bool IsWindowsProgram(const QString& program);
// The wine that starts Windows programs here, or empty when wine is not installed.
QString WineProgram();
// "Impossible de démarrer <program>", with the reason after " : " when there is one.
QString NotStartedText(const Failure& failure);

// Starts a program in workingFolder without waiting.
Done StartProgram(const QString& program, const QStringList& arguments, const QString& workingFolder,
                  const QString& winePrefix);

using OutputReader = std::function<void(const QByteArray&)>;
// Starts program with arguments in workingFolder (empty: the program's own folder) and waits without
// limit, handing its output (standard output and standard error, merged) to read piece by piece as it
// comes and calling wait between pieces (at least every 50 ms), so that the caller's window stays alive.
// Its exit status, -1 when it ended abnormally.
Result<int> RunAndRead(const QString& program, const QStringList& arguments, const QString& workingFolder,
                       const QString& winePrefix, const OutputReader& read,
                       const std::function<void()>& wait);
