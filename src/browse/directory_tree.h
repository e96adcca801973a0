// 目录框1: the tree view of the directory's path chain and subfolders.
// The chain runs from the drive down to the directory, each item the only
// child of the one before; the directory's subfolders hang below its item.
#pragma once

#include <string>

#include "shell/control.h"
#include "shell/handles.h"

namespace tarnvel {

// Pictures of the folder strip (bitmap kBitmapFolders).
inline constexpr int kClosedFolder = 0;
inline constexpr int kClosedFolderSelected = 1;
inline constexpr int kOpenFolder = 2;
inline constexpr int kOpenFolderSelected = 3;

class DirectoryTree : public Control {
 public:
  using Control::Control;
  ~DirectoryTree() override;

  bool Create(HWND parent, int controlId) override;
  LRESULT OnNotify(const NMHDR& header) override;

  // Stores the directory exactly as given and rebuilds the tree; raises no
  // event. Empty stands for the working directory.
  void SetDirectory(std::string directory);
  const std::string& directory() const { return directory_; }

 private:
  static LRESULT CALLBACK TreeWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  void Rebuild();
  // A double-click or Enter on the selected item.
  void ChooseSelected();
  // Lists the subfolders of the directory under `item` and expands it.
  void ListSubfolders(HTREEITEM item);

  std::string directory_;
  UniqueImageList pictures_;
  WNDPROC treeWindowProc_ = nullptr;
  bool doubleClickNotified_ = false;
};

}  // namespace tarnvel
