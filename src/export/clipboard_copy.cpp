#include "export/clipboard_copy.h"

#include <cstring>

#include "export/list_file.h"
#include "export/read_file.h"
#include "shell/edit_box.h"
#include "shell/handles.h"
#include "shell/main_window.h"
#include "shell/runtime.h"
#include "shell/window_template.h"

namespace tarnvel {
namespace {

// OpenClipboard / CloseClipboard.
class OpenedClipboard {
 public:
  explicit OpenedClipboard(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
  ~OpenedClipboard() {
    if (open_) CloseClipboard();
  }
  OpenedClipboard(const OpenedClipboard&) = delete;
  OpenedClipboard& operator=(const OpenedClipboard&) = delete;
  explicit operator bool() const { return open_; }

 private:
  bool open_;
};

}  // namespace

std::string BytesToText(std::string bytes) {
  const std::size_t zero = bytes.find('\0');
  if (zero != std::string::npos) bytes.resize(zero);
  return bytes;
}

bool SetClipboardText(HWND owner, std::string_view text) {
  // The block is made and filled before the clipboard is emptied, so a
  // failed allocation leaves the user's clipboard as it was.
  UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, text.size() + 1));
  if (!block) return false;
  {
    GlobalLockGuard lock(block.get());
    if (!lock.data()) return false;
    // GMEM_ZEROINIT already wrote the terminating zero.
    std::memcpy(lock.data(), text.data(), text.size());
  }
  // With an owner window, as SetClipboardData may fail after EmptyClipboard
  // on a clipboard opened without one.
  OpenedClipboard clipboard(owner);
  if (!clipboard) return false;
  EmptyClipboard();
  if (!SetClipboardData(CF_TEXT, block.get())) return false;
  block.release();  // the clipboard owns it now
  return true;
}

void RunClipboardCopy(MainWindow& window) {
  auto& editBox = window.Get<EditBox>(names::kEditBox1);
  editBox.SetText(BytesToText(ReadFileBytes(kListFileName)));
  const std::string copied = editBox.Text();
  HWND owner = window.runtime().ownerWindow();
  SetClipboardText(owner ? owner : window.hwnd(), copied);
}

}  // namespace tarnvel
