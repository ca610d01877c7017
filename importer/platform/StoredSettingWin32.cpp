#include "platform/StoredSetting.h"

#include "platform/WideText.h"

#include <windows.h>

// The simulator's own registry value. Fly! II is a 32-bit program, so its key lies in the registry's
// 32-bit view (Wow6432Node on 64-bit Windows); the 64-bit view is read when that one has none.
namespace {

const wchar_t* const kFlyKey = L"SOFTWARE\\Terminal Reality\\Fly! II";
constexpr DWORD kValueBytes = 260;

std::wstring& OverrideKey() {
    static std::wstring key;
    return key;
}

HKEY Root() {
    return OverrideKey().empty() ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

const wchar_t* KeyName() {
    return OverrideKey().empty() ? kFlyKey : OverrideKey().c_str();
}

// The value's text up to its first zero; nothing when the key or the value is missing.
std::optional<std::string> ReadPath(REGSAM view) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(Root(), KeyName(), 0, KEY_READ | view, &key) != ERROR_SUCCESS)
        return std::nullopt;
    wchar_t value[kValueBytes / sizeof(wchar_t) + 1] = {};
    DWORD type = 0;
    DWORD size = kValueBytes;
    const LSTATUS status = RegQueryValueExW(key, L"PATH", nullptr, &type, reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ) || value[0] == L'\0')
        return std::nullopt;
    return Narrow(value);
}

} // namespace

std::optional<std::string> ReadStoredFlyFolder() {
    if (std::optional<std::string> folder = ReadPath(KEY_WOW64_32KEY))
        return folder;
    return ReadPath(KEY_WOW64_64KEY);
}

bool StoreFlyFolder(const std::string& folder) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(Root(), KeyName(), 0, nullptr, 0, KEY_READ | KEY_WRITE | KEY_WOW64_32KEY, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return false;
    const std::wstring value = Widen(folder);
    // The length written includes the terminating zero.
    const DWORD bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    const LSTATUS status =
        RegSetValueExW(key, L"PATH", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), bytes);
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

// On Windows the seam names a key below HKEY_CURRENT_USER instead of a file.
void SetStoredSettingFile(const std::string& path) {
    OverrideKey() = WideName(path);
}
