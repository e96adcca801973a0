#include "export/list_file.h"

#include <windows.h>

#include <limits>

#include "shell/handles.h"

namespace tarnvel {

bool WriteListFile(std::string_view content, const std::string& fileName) {
  if (content.size() > std::numeric_limits<DWORD>::max()) return false;
  const DWORD attributes = GetFileAttributesA(fileName.c_str());
  constexpr DWORD kRefused = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                             FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY;
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & kRefused)) return false;

  UniqueFile file(CreateFileA(fileName.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  if (!content.empty()) {
    const auto size = static_cast<DWORD>(content.size());
    DWORD written = 0;
    if (!WriteFile(file.get(), content.data(), size, &written, nullptr) || written != size) {
      return false;
    }
  }
  return CloseHandle(file.release()) != FALSE;
}

}  // namespace tarnvel
