#pragma once

#include <string>

// Windows names and texts are UTF-16; the importer keeps them as UTF-8.
std::wstring Widen(const std::string& text);
std::string Narrow(const std::wstring& text);
// A name for the wide file calls: '/' becomes '\'.
std::wstring WideName(const std::string& path);
