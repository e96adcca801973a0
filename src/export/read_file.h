// The whole content of a file, read with one call while others may only
// read it.
#pragma once

#include <string>

namespace tarnvel {

// The file's bytes; empty when the file cannot be opened or read, or is
// empty. A short read keeps the bytes that arrived.
std::string ReadFileBytes(const std::string& name);

}  // namespace tarnvel
