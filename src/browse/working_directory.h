// The process's working directory, of any length.
#pragma once

#include <string>

namespace tarnvel {

// The working directory as GetCurrentDirectoryA reports it (no trailing
// backslash except for a drive root); empty when it cannot be obtained.
std::string WorkingDirectory();

}  // namespace tarnvel
