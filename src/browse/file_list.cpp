#include "browse/file_list.h"

namespace tarnvel {

bool FileList::Create(HWND parent, int controlId) {
  if (!CreateChild(parent, controlId, WS_EX_CLIENTEDGE, "LISTBOX", "",
                   RecordStyle() | WS_VSCROLL | LBS_NOTIFY | LBS_SORT | LBS_NOINTEGRALHEIGHT)) {
    return false;
  }
  SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return true;
}

void FileList::SetDirectory(std::string directory) { directory_ = std::move(directory); }

HBRUSH FileList::OnCtlColor(HDC dc) { return BlackOnWhite(dc); }

}  // namespace tarnvel
