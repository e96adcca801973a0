// The clipboard copy: the list file's text onto the clipboard as CF_TEXT.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace tarnvel {

class MainWindow;

// Reads the list file, relays its text through 编辑框1 and puts the text
// read back on the clipboard. Reports nothing: every failure shows only in
// what the clipboard holds afterwards.
void RunClipboardCopy(MainWindow& window);

// The text of a file's bytes: those before the first zero byte, or all of
// them when there is none. Nothing else changes.
std::string BytesToText(std::string bytes);

// Hands `text` and a terminating zero to the clipboard as CF_TEXT, with
// `owner` as the clipboard's owner. True only when the clipboard took the
// text; otherwise the clipboard keeps what it held.
bool SetClipboardText(HWND owner, std::string_view text);

}  // namespace tarnvel
