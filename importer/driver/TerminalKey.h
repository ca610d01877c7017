#pragma once

// Waits for one key press read raw (unechoed, unbuffered) from the controlling terminal. Without a
// terminal it returns at once, so an unattended run never hangs. True when a key was read.
bool WaitForTerminalKey();
