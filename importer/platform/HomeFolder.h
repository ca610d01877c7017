#pragma once

#include <string>

// The user's home folder from the password database (never from the environment); empty when unknown.
std::string HomeFolder();

// Test seam: use home instead of the user's own; an empty path goes back to it.
void SetHomeFolder(const std::string& home);
