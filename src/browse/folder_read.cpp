#include "browse/folder_read.h"

#include "shell/handles.h"

namespace tarnvel {
namespace {

// The share in charge; the program has one thread.
FolderReadShare* share = nullptr;

std::optional<std::vector<FolderEntry>> SearchFolder(const std::string& searchPath) {
  WIN32_FIND_DATAA data;
  // The basic level spares the system the short names, which are not used.
  UniqueFind find(FindFirstFileExA(searchPath.c_str(), FindExInfoBasic, &data,
                                   FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
  if (!find) return std::nullopt;
  std::vector<FolderEntry> entries;
  do {
    entries.push_back({data.cFileName, data.dwFileAttributes, data.ftLastWriteTime});
  } while (FindNextFileA(find.get(), &data));
  return entries;
}

}  // namespace

FolderReadShare::FolderReadShare() : inCharge_(share == nullptr) {
  if (inCharge_) share = this;
}

FolderReadShare::~FolderReadShare() {
  if (inCharge_) share = nullptr;
}

std::optional<std::vector<FolderEntry>> ReadFolder(const std::string& searchPath) {
  if (!share) return SearchFolder(searchPath);
  auto [at, isNew] = share->reads_.try_emplace(searchPath);
  if (isNew) at->second = SearchFolder(searchPath);
  return at->second;
}

}  // namespace tarnvel
