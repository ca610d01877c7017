#pragma once

#include <string>

// The user's home folder from the password database (never from the environment); empty when unknown.
std::string HomeFolder();
