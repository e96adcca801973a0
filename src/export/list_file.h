// The list file writer: replaces a file's whole content with one write.
#pragma once

#include <string>
#include <string_view>

namespace tarnvel {

// The list file beside the program; relative, so it resolves in the
// working directory, which is the program folder.
inline constexpr char kListFileName[] = "Tarnvel.txt";

// Creates the file or cuts it to zero length, writes `content` with one
// WriteFile and closes it. False when it cannot be opened (nothing changed
// then), or the write or the close fails. A read-only, hidden or system file
// is refused before it is opened, as Windows refuses it, also where the
// system layer would let the open through.
bool WriteListFile(std::string_view content, const std::string& fileName);

}  // namespace tarnvel
