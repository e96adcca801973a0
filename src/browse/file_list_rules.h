// Text rules of the file list's listing: the pattern list,
// the attribute filter, the names of a selection and the key under which a
// name is found again. Free of Win32, so they read and test on their own.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarnvel {

// Attribute bits as the directory search reports them.
inline constexpr std::uint32_t kAttributeReadOnly = 0x01;
inline constexpr std::uint32_t kAttributeHidden = 0x02;
inline constexpr std::uint32_t kAttributeSystem = 0x04;
inline constexpr std::uint32_t kAttributeDirectory = 0x10;
inline constexpr std::uint32_t kAttributeArchive = 0x20;
inline constexpr std::uint32_t kAttributeNormal = 0x80;

// What a listing takes in. The program never changes these values.
struct ListingSettings {
  std::string pattern;  // patterns separated by ";"; empty stands for "*.*"
  bool includeNormal = true;
  bool includeArchive = true;
  bool includeReadOnly = true;
  bool includeSystem = false;
  bool includeHidden = false;
  // Bounds on the last-write time as a local FILETIME value; 0 is no bound.
  std::uint64_t earliest = 0;
  std::uint64_t latest = 0;
};

// True when a byte starts a double-byte character of the system code page.
using IsLeadByteFn = bool (*)(unsigned char);

// Cuts a text at every ";" (no other rule: a name that holds ";" falls apart).
inline std::vector<std::string_view> SplitAtSemicolons(std::string_view text) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find(';', start);
    parts.push_back(text.substr(start, end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

// The patterns of a pattern setting, in their order: trailing white space
// removed, the first empty pattern ends the list, an empty setting is "*.*".
inline std::vector<std::string> PatternList(std::string_view setting) {
  const std::size_t last = setting.find_last_not_of(" \t\r\n");
  setting = last == std::string_view::npos ? std::string_view{} : setting.substr(0, last + 1);
  if (setting.empty()) return {"*.*"};
  std::vector<std::string> patterns;
  for (std::string_view part : SplitAtSemicolons(setting)) {
    if (part.empty()) break;
    patterns.emplace_back(part);
  }
  return patterns;
}

// True when a directory entry is listed: no folder, no attribute whose
// switch is off, and a last-write time (local) within the bounds.
inline bool IsListed(const ListingSettings& settings, std::uint32_t attributes,
                     std::uint64_t localWriteTime) {
  if (attributes & kAttributeDirectory) return false;
  std::uint32_t excluded = 0;
  if (!settings.includeNormal) excluded |= kAttributeNormal;
  if (!settings.includeArchive) excluded |= kAttributeArchive;
  if (!settings.includeReadOnly) excluded |= kAttributeReadOnly;
  if (!settings.includeSystem) excluded |= kAttributeSystem;
  if (!settings.includeHidden) excluded |= kAttributeHidden;
  if (attributes & excluded) return false;
  if (settings.earliest != 0 && localWriteTime < settings.earliest) return false;
  if (settings.latest != 0 && localWriteTime > settings.latest) return false;
  return true;
}

// The key under which a name matches another with case ignored: single-byte
// letters folded to lower case, double-byte characters kept as they are (a
// trail byte in the letter range is no letter).
inline std::string CaseFoldKey(std::string_view name, IsLeadByteFn isLeadByte) {
  std::string key(name);
  for (std::size_t i = 0; i < key.size(); ++i) {
    const auto byte = static_cast<unsigned char>(key[i]);
    if (isLeadByte(byte)) {
      ++i;
    } else if (byte >= 'A' && byte <= 'Z') {
      key[i] = static_cast<char>(byte - 'A' + 'a');
    }
  }
  return key;
}

// The names joined in their order with `separator` between two of them.
inline std::string JoinNames(const std::vector<std::string>& names, std::string_view separator) {
  std::size_t size = 0;
  for (const std::string& name : names) size += name.size() + separator.size();
  std::string text;
  text.reserve(size);
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i != 0) text += separator;
    text += names[i];
  }
  return text;
}

}  // namespace tarnvel
