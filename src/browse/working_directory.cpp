#include "browse/working_directory.h"

#include <windows.h>

namespace tarnvel {

std::string WorkingDirectory() {
  std::string directory;
  // The directory can change between the two calls: ask until it fits.
  for (DWORD size = GetCurrentDirectoryA(0, nullptr); size != 0;) {
    directory.resize(size);
    const DWORD length = GetCurrentDirectoryA(size, directory.data());
    if (length == 0) break;
    if (length < size) {
      directory.resize(length);
      return directory;
    }
    size = length;
  }
  return {};
}

}  // namespace tarnvel
