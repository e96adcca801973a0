// The clipboard copy: the list file's text onto the clipboard as CF_TEXT.
#pragma once

namespace tarnvel {

class MainWindow;

void RunClipboardCopy(MainWindow& window);

}  // namespace tarnvel
