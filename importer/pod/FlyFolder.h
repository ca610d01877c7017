#pragma once

#include <string>

// The process-wide Fly2 folder and the names of the files in it. Names passed in are either relative to
// the folder (DATABASE\AIRPORT.DBD, any case) or full (Get() + relative name).
class FlyFolder final {
  public:
    FlyFolder() = delete;

    // Keeps folder with '\' turned into '/', ending in '/'; an empty folder clears it.
    static void Set(const std::string& folder);
    static const std::string& Get();

    // Whether name begins with the Fly2 folder ('\' and '/' taken alike, ASCII case ignored).
    static bool IsFullName(const std::string& name);
    // The name below the Fly2 folder, upper case with backslashes (DATABASE\AIRPORT.DBD).
    static std::string RelativeName(const std::string& name);
    // Get() + RelativeName(name). Refuses a name that would leave the Fly2 folder (a ".." component, a
    // leading separator, a drive letter) with code 0x10010.
    static std::string FullName(const std::string& name);
};
