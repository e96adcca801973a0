// The floor of the start-up export: the least work the job needs, with no
// window. Lists the working directory's files (no folders, no hidden or
// system files), orders them as a sorted list box would and writes them,
// CR LF between names, into Tarnvel.txt with one write.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

int main() {
  std::vector<std::string> names;
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileExA("*.*", FindExInfoBasic, &data, FindExSearchNameMatch, nullptr,
                                 FIND_FIRST_EX_LARGE_FETCH);
  if (find != INVALID_HANDLE_VALUE) {
    constexpr DWORD kSkipped =
        FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    do {
      if (!(data.dwFileAttributes & kSkipped)) names.emplace_back(data.cFileName);
    } while (FindNextFileA(find, &data));
    FindClose(find);
  }

  std::vector<std::pair<std::string, std::size_t>> keyed;
  keyed.reserve(names.size());
  for (std::size_t i = 0; i < names.size(); ++i) {
    const std::string& name = names[i];
    constexpr DWORD kFlags = LCMAP_SORTKEY | NORM_IGNORECASE;
    const int size = LCMapStringA(LOCALE_USER_DEFAULT, kFlags, name.data(),
                                  static_cast<int>(name.size()), nullptr, 0);
    std::string key(static_cast<std::size_t>(size), '\0');
    LCMapStringA(LOCALE_USER_DEFAULT, kFlags, name.data(), static_cast<int>(name.size()),
                 key.data(), size);
    keyed.emplace_back(std::move(key), i);
  }
  std::sort(keyed.begin(), keyed.end());

  std::string text;
  for (const auto& [key, index] : keyed) {
    if (!text.empty()) text += "\r\n";
    text += names[index];
  }
  HANDLE file = CreateFileA("Tarnvel.txt", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  if (!text.empty()) WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
  return 0;
}
