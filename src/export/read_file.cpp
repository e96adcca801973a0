#include "export/read_file.h"

#include <windows.h>

#include "shell/handles.h"

namespace tarnvel {

std::string ReadFileBytes(const std::string& name) {
  // Read sharing only: nobody may write the file while it is read.
  UniqueFile file(CreateFileA(name.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return {};
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file.get(), &size) || size.QuadPart <= 0) return {};
  // One ReadFile call moves at most 4 GB - 1; a larger file keeps that much,
  // as a short read would.
  const DWORD wanted = size.QuadPart > MAXDWORD ? MAXDWORD : static_cast<DWORD>(size.QuadPart);
  std::string bytes(wanted, '\0');
  DWORD got = 0;
  if (!ReadFile(file.get(), bytes.data(), wanted, &got, nullptr)) return {};
  bytes.resize(got);
  return bytes;
}

}  // namespace tarnvel
