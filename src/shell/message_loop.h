// The program's one message loop.
#pragma once

namespace tarnvel {

class MainWindow;

// Runs until WM_QUIT and gives its exit code. Queued messages for the main
// window or its controls pass the window's pre-translation first.
int RunMessageLoop(MainWindow& window);

}  // namespace tarnvel
