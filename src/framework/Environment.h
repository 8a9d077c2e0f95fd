#pragma once
// The folders the environment names, by one rule wherever they are used.

#include <string>

namespace framework {

// The variable's value when it is an absolute path; "" when it is unset,
// empty or relative, which the XDG rules say to ignore.
std::string absolutePathFromEnvironment(const char* name);

// The user's home folder: $HOME when it is an absolute path, else the
// account's folder; "" when neither names one.
std::string homeFolder();

} // namespace framework
