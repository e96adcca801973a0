// The name export: every entry of 文件框1 into the list file Tarnvel.txt.
#pragma once

namespace tarnvel {

class MainWindow;

void RunNameExport(MainWindow& window);

}  // namespace tarnvel
