// A fresh folder made for one test, removed with everything in it afterwards.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace tarnvel::test {

class FixtureFolder {
 public:
  FixtureFolder();
  ~FixtureFolder();
  FixtureFolder(const FixtureFolder&) = delete;
  FixtureFolder& operator=(const FixtureFolder&) = delete;

  // The folder's full path, without a trailing backslash.
  const std::string& path() const { return path_; }
  // path() + "\" + name.
  std::string PathOf(std::string_view name) const;

  // Creates or replaces a file with the given bytes.
  void AddFile(std::string_view name, std::string_view bytes = {}) const;
  void AddFolder(std::string_view name) const;
  void SetAttributes(std::string_view name, DWORD attributes) const;
  // The file's bytes; empty when it does not exist.
  std::string Read(std::string_view name) const;
  bool Exists(std::string_view name) const;

 private:
  std::string path_;
};

// Removes a folder with everything below it (attributes cleared first).
void RemoveTree(const std::string& path);

}  // namespace tarnvel::test
