#include "ProgramRun.h"

#include "platform/WideText.h"

#include <stdexcept>
#include <thread>
#include <windows.h>

namespace {

// One argument quoted the way CommandLineToArgvW splits it again.
std::wstring Quoted(const std::wstring& arg) {
    if (!arg.empty() && arg.find_first_of(L" \t\"") == std::wstring::npos)
        return arg;
    std::wstring quoted = L"\"";
    size_t slashes = 0;
    for (const wchar_t c : arg) {
        if (c == L'\\') {
            ++slashes;
            continue;
        }
        quoted.append(c == L'"' ? slashes * 2 + 1 : slashes, L'\\');
        slashes = 0;
        quoted += c;
    }
    quoted.append(slashes * 2, L'\\');
    return quoted + L"\"";
}

// All a pipe gives until it closes, with the console's CR LF line ends read as text.
void Drain(HANDLE pipe, std::string& text) {
    char buffer[65536];
    DWORD count = 0;
    while (ReadFile(pipe, buffer, sizeof buffer, &count, nullptr) && count > 0)
        text.append(buffer, count);
    CloseHandle(pipe);
    for (size_t at = 0; (at = text.find("\r\n", at)) != std::string::npos;)
        text.erase(at, 1);
}

std::wstring FullPath(const std::string& path) {
    wchar_t full[MAX_PATH * 4];
    const DWORD length = GetFullPathNameW(WideName(path).c_str(), MAX_PATH * 4, full, nullptr);
    return length > 0 && length < MAX_PATH * 4 ? std::wstring(full, length) : WideName(path);
}

} // namespace

// The child gets no console (DETACHED_PROCESS), like a run started by another program.
ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::string& folder) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE outRead, outWrite, errRead, errWrite;
    if (!CreatePipe(&outRead, &outWrite, &inherit, 0) || !CreatePipe(&errRead, &errWrite, &inherit, 0))
        throw std::runtime_error("CreatePipe failed");
    SetHandleInformation(outRead, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(errRead, HANDLE_FLAG_INHERIT, 0);
    const HANDLE nothing = CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                                       OPEN_EXISTING, 0, nullptr);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = nothing;
    startup.hStdOutput = outWrite;
    startup.hStdError = errWrite;
    const std::wstring path = FullPath(program);
    std::wstring commandLine = Quoted(path);
    for (const std::string& arg : args)
        commandLine += L" " + Quoted(Widen(arg));
    PROCESS_INFORMATION process{};
    const BOOL started = CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, TRUE, DETACHED_PROCESS,
                                        nullptr, FullPath(folder).c_str(), &startup, &process);
    const DWORD startError = started ? 0 : GetLastError();
    CloseHandle(outWrite);
    CloseHandle(errWrite);
    CloseHandle(nothing);
    ProgramResult result;
    std::thread errors(Drain, errRead, std::ref(result.err));
    Drain(outRead, result.out);
    errors.join();
    if (!started)
        throw std::runtime_error("cannot start " + program + ": error " + std::to_string(startError));
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 0;
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    result.status = static_cast<int>(status);
    return result;
}
