// The directory search behind the file list and the tree: the entries one
// search path gives, and the sharing of one read among controls built
// together.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tarnvel {

struct FolderEntry {
  std::string name;
  std::uint32_t attributes;
  FILETIME lastWrite;
};

// The entries that a search of `searchPath` (a folder and a pattern) meets,
// in the order it meets them, "." and ".." among them where the system
// reports them. Nothing when the search fails or finds nothing.
std::optional<std::vector<FolderEntry>> ReadFolder(const std::string& searchPath);

// While a FolderReadShare lives, every ReadFolder of a search path gives
// what the first read of that path gave. The controls built together then
// show their folder as one moment saw it, and a folder of many files is read
// once instead of once per control. Shares do not nest: an inner one
// leaves the outer one in charge.
class FolderReadShare {
 public:
  FolderReadShare();
  ~FolderReadShare();
  FolderReadShare(const FolderReadShare&) = delete;
  FolderReadShare& operator=(const FolderReadShare&) = delete;

 private:
  friend std::optional<std::vector<FolderEntry>> ReadFolder(const std::string& searchPath);
  bool inCharge_;
  std::map<std::string, std::optional<std::vector<FolderEntry>>> reads_;
};

}  // namespace tarnvel
