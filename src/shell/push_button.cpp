#include "shell/push_button.h"

#include <string>

namespace tarnvel {

bool PushButton::Create(HWND parent, int controlId) {
  const std::string text(record().text);
  if (!CreateChild(parent, controlId, 0, "BUTTON", text.c_str(),
                   RecordStyle() | BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER)) {
    return false;
  }
  SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return true;
}

void PushButton::OnCommand(WORD code) {
  if (code == BN_CLICKED) Raise(Event::Clicked);
}

}  // namespace tarnvel
