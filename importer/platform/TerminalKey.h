#pragma once

// Whether standard input is a terminal (a console on Windows) that someone can type answers on.
bool InputIsTerminal();

// Whether a key can be read for the pause: standard output goes to a terminal (someone sees the
// prompt) and the process has a controlling terminal to read the key from. An unattended run or one
// whose output another program captures (the installer's log) has neither.
bool TerminalCanGiveKey();
// Waits for one key press read raw (unechoed, unbuffered) from the controlling terminal. When no
// terminal can give a key it returns at once, so an unattended run never hangs. True when a key was read.
bool WaitForTerminalKey();
