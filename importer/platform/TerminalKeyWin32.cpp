#include "platform/TerminalKey.h"

#include <conio.h>
#include <windows.h>

namespace {

bool IsConsole(DWORD which) {
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(which), &mode) != 0;
}

} // namespace

bool InputIsTerminal() {
    return IsConsole(STD_INPUT_HANDLE);
}

// Output captured by another program (the installer's log) means nobody sees the prompt.
bool TerminalCanGiveKey() {
    return IsConsole(STD_OUTPUT_HANDLE) && IsConsole(STD_INPUT_HANDLE);
}

bool WaitForTerminalKey() {
    if (!TerminalCanGiveKey())
        return false;
    const int key = _getch();
    // A function or arrow key comes as two codes; both belong to the one press.
    if (key == 0 || key == 0xE0)
        _getch();
    return true;
}
