#include "browse/drive_list.h"

#include <algorithm>

namespace tarnvel {

bool DriveList::Create(HWND parent, int controlId) {
  // At least 80 pixels, so that the dropped-down list has room.
  const int height = std::max(record().height, 80);
  if (!CreateChild(parent, controlId, 0, "COMBOBOX", "",
                   RecordStyle() | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_AUTOHSCROLL, height)) {
    return false;
  }
  SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return true;
}

HBRUSH DriveList::OnCtlColor(HDC dc) { return BlackOnWhite(dc); }

}  // namespace tarnvel
