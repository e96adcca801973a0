#include "browse/navigation.h"

#include <string>

#include "browse/directory_tree.h"
#include "browse/drive_list.h"
#include "browse/file_list.h"
#include "shell/main_window.h"
#include "shell/window_template.h"

namespace tarnvel {

void OnDriveChosen(MainWindow& window) {
  const std::string root = window.Get<DriveList>(names::kDriveList1).currentDrive() + ":\\";
  window.Get<DirectoryTree>(names::kDirectoryTree1).SetDirectory(root);
  window.Get<FileList>(names::kFileList1).SetDirectory(root);
}

void OnFolderChosen(MainWindow& window) {
  window.Get<FileList>(names::kFileList1)
      .SetDirectory(window.Get<DirectoryTree>(names::kDirectoryTree1).directory());
}

}  // namespace tarnvel
