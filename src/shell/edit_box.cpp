#include "shell/edit_box.h"

#include <string>

namespace tarnvel {

bool EditBox::Create(HWND parent, int controlId) {
  const std::string text(record().text);
  if (!CreateChild(parent, controlId, WS_EX_CLIENTEDGE, "EDIT", text.c_str(),
                   RecordStyle() | ES_AUTOHSCROLL)) {
    return false;
  }
  SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  SendMessageA(hwnd_, EM_LIMITTEXT, 0, 0);  // 0: the system's largest limit
  SendMessageA(hwnd_, EM_SETSEL, 0, 0);
  return true;
}

HBRUSH EditBox::OnCtlColor(HDC dc) { return BlackOnWhite(dc); }

}  // namespace tarnvel
