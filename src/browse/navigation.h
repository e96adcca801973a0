// Folder navigation: keeps 目录框1 and 文件框1 on the folder the user picks.
#pragma once

namespace tarnvel {

class MainWindow;

// Sends the tree and the file list to the root of the chosen drive.
void OnDriveChosen(MainWindow& window);
// Sends the file list to the folder chosen in the tree.
void OnFolderChosen(MainWindow& window);

}  // namespace tarnvel
