#include "support/fixture_folder.h"

#include <gtest/gtest.h>

#include "shell/handles.h"

namespace tarnvel::test {

FixtureFolder::FixtureFolder() {
  std::string temp(MAX_PATH + 1, '\0');
  temp.resize(GetTempPathA(static_cast<DWORD>(temp.size()), temp.data()));
  static unsigned counter = 0;
  for (;;) {
    path_ = temp + "tarnvel-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(++counter);
    if (CreateDirectoryA(path_.c_str(), nullptr)) break;
    if (GetLastError() != ERROR_ALREADY_EXISTS) {
      ADD_FAILURE() << "cannot create " << path_;
      break;
    }
  }
}

FixtureFolder::~FixtureFolder() { RemoveTree(path_); }

std::string FixtureFolder::PathOf(std::string_view name) const {
  return path_ + "\\" + std::string(name);
}

void FixtureFolder::AddFile(std::string_view name, std::string_view bytes) const {
  UniqueFile file(CreateFileA(PathOf(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(file) << "cannot create " << PathOf(name);
  DWORD written = 0;
  if (!bytes.empty()) {
    ASSERT_TRUE(WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                          nullptr));
  }
}

void FixtureFolder::AddFolder(std::string_view name) const {
  ASSERT_TRUE(CreateDirectoryA(PathOf(name).c_str(), nullptr)) << "cannot create " << PathOf(name);
}

void FixtureFolder::SetAttributes(std::string_view name, DWORD attributes) const {
  ASSERT_TRUE(SetFileAttributesA(PathOf(name).c_str(), attributes));
}

std::string FixtureFolder::Read(std::string_view name) const {
  UniqueFile file(CreateFileA(PathOf(name).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return {};
  std::string bytes(GetFileSize(file.get(), nullptr), '\0');
  DWORD read = 0;
  if (!bytes.empty()) ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
  bytes.resize(read);
  return bytes;
}

bool FixtureFolder::Exists(std::string_view name) const {
  return GetFileAttributesA(PathOf(name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void RemoveTree(const std::string& path) {
  WIN32_FIND_DATAA entry;
  UniqueFind find(FindFirstFileA((path + "\\*").c_str(), &entry));
  if (find) {
    do {
      const std::string name = entry.cFileName;
      if (name == "." || name == "..") continue;
      const std::string child = path + "\\" + name;
      SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(child);
      } else {
        DeleteFileA(child.c_str());
      }
    } while (FindNextFileA(find.get(), &entry));
  }
  find.reset();
  RemoveDirectoryA(path.c_str());
}

}  // namespace tarnvel::test
