#pragma once

// Waits for one key press read raw (unechoed, unbuffered) from the controlling terminal. Without a
// terminal, or when standard output does not go to one (nobody would see the prompt), it returns at
// once, so an unattended run never hangs. True when a key was read.
bool WaitForTerminalKey();
