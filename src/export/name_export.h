// The name export: every entry of 文件框1 into the list file Tarnvel.txt,
// one name per line.
#pragma once

namespace tarnvel {

class MainWindow;

// Selects every entry of the file list, has it take up the selection
// through the main window, writes the selected names into the list file and
// clears the selection again.
void RunNameExport(MainWindow& window);

}  // namespace tarnvel
