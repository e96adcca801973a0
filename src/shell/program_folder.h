// The program folder: the program file's path up to its last backslash.
#pragma once

#include <string>
#include <string_view>

namespace tarnvel {

// `isLeadByte` tells whether a byte starts a double-byte character of the
// system code page, so that a trail byte 0x5C is never taken for "\".
template <class IsLeadByte>
std::string FolderOfPath(std::string_view path, IsLeadByte isLeadByte) {
  std::size_t lastBackslash = std::string_view::npos;
  for (std::size_t i = 0; i < path.size(); ++i) {
    const auto byte = static_cast<unsigned char>(path[i]);
    if (byte == '\\') {
      lastBackslash = i;
    } else if (isLeadByte(byte) && i + 1 < path.size()) {
      ++i;
    }
  }
  if (lastBackslash == std::string_view::npos) return std::string(path);
  return std::string(path.substr(0, lastBackslash));
}

}  // namespace tarnvel
