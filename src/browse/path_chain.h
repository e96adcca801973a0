// Directory paths of the browsing controls: the search base under which
// the file list and the tree look for a folder's entries, and the path
// chain of the tree, a directory cut into the folder items shown from the
// drive down, with an item's path joined back.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarnvel {

// The folder with one backslash after it: "D:" and "D:\" both give "D:\".
// The last character is found as characters, so a directory that ends in a
// double-byte character whose second byte is 0x5C still gets its backslash.
// `isLeadByte` tells whether a byte starts a double-byte character of the
// system code page.
template <class IsLeadByte>
std::string SearchBase(std::string_view directory, IsLeadByte isLeadByte) {
  bool endsInBackslash = false;
  for (std::size_t i = 0; i < directory.size(); ++i) {
    const auto byte = static_cast<unsigned char>(directory[i]);
    endsInBackslash = byte == '\\';
    if (isLeadByte(byte) && i + 1 < directory.size()) ++i;
  }
  std::string base(directory);
  if (!endsInBackslash) base += '\\';
  return base;
}

// Cuts `directory` at every "\" into its non-empty pieces; a trail byte
// 0x5C never cuts. A network path \\server\share\... keeps
// "\\server\share" as its first piece, so that joining the pieces gives the
// same network path again.
template <class IsLeadByte>
std::vector<std::string> SplitPathChain(std::string_view directory, IsLeadByte isLeadByte) {
  std::vector<std::string> pieces;
  std::string piece;
  for (std::size_t i = 0; i < directory.size(); ++i) {
    const auto byte = static_cast<unsigned char>(directory[i]);
    if (byte == '\\') {
      if (!piece.empty()) pieces.push_back(std::move(piece));
      piece.clear();
      continue;
    }
    piece += directory[i];
    if (isLeadByte(byte) && i + 1 < directory.size()) piece += directory[++i];
  }
  if (!piece.empty()) pieces.push_back(std::move(piece));

  if (directory.starts_with("\\\\") && !pieces.empty()) {
    std::string top = "\\\\" + pieces.front();
    auto rest = pieces.begin() + 1;
    if (rest != pieces.end()) top += "\\" + *rest++;
    pieces.erase(pieces.begin(), rest);
    pieces.insert(pieces.begin(), std::move(top));
  }
  return pieces;
}

// The path of a chain item: the texts from the top item down, joined by "\".
inline std::string JoinPathChain(const std::vector<std::string>& pieces) {
  std::string path;
  for (const std::string& piece : pieces) {
    if (!path.empty()) path += '\\';
    path += piece;
  }
  return path;
}

}  // namespace tarnvel
