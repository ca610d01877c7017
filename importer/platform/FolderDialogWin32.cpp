#include "platform/FolderDialog.h"

#include "platform/WideText.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

namespace {

// Keeps OK enabled only while the selection holds FLY2.EXE, and says so in the status line.
int CALLBACK OnDialogEvent(HWND dialog, UINT message, LPARAM param, LPARAM) {
    bool found = false;
    if (message == BFFM_SELCHANGED) {
        wchar_t folder[MAX_PATH] = {};
        if (param != 0 && SHGetPathFromIDListW(reinterpret_cast<PCIDLIST_ABSOLUTE>(param), folder))
            found = GetFileAttributesW((std::wstring(folder) + L"\\fly2.exe").c_str()) != INVALID_FILE_ATTRIBUTES;
    }
    const wchar_t* status =
        found ? L"FLY2.EXE found.  Click OK to use this directory." : L"Select a directory containing FLY2.EXE";
    SendMessageW(dialog, BFFM_SETSTATUSTEXTW, 0, reinterpret_cast<LPARAM>(status));
    SendMessageW(dialog, BFFM_ENABLEOK, 0, found ? 1 : 0);
    return 0;
}

} // namespace

// A desktop that the user sees: the interactive window station, and a console window to own the dialog
// (a run started without a console, as a service or by a scheduler, must not wait for a dialog nobody sees).
bool FolderDialogAvailable() {
    USEROBJECTFLAGS flags{};
    const HWINSTA station = GetProcessWindowStation();
    return station != nullptr &&
           GetUserObjectInformationW(station, UOI_FLAGS, &flags, sizeof flags, nullptr) != 0 &&
           (flags.dwFlags & WSF_VISIBLE) != 0 && GetConsoleWindow() != nullptr;
}

std::optional<std::string> BrowseForFlyFolder() {
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    BROWSEINFOW info{};
    info.lpszTitle = L"The registry entry pointing to Fly II is missing. ";
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_STATUSTEXT;
    info.lpfn = OnDialogEvent;
    std::optional<std::string> chosen;
    if (PIDLIST_ABSOLUTE selection = SHBrowseForFolderW(&info)) {
        wchar_t folder[MAX_PATH] = {};
        if (SHGetPathFromIDListW(selection, folder))
            chosen = Narrow(folder);
        CoTaskMemFree(selection);
    }
    if (SUCCEEDED(com))
        CoUninitialize();
    return chosen;
}
