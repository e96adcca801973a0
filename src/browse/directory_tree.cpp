#include "browse/directory_tree.h"

#include <commctrl.h>

namespace tarnvel {

bool DirectoryTree::Create(HWND parent, int controlId) {
  if (!CreateChild(parent, controlId, WS_EX_CLIENTEDGE, WC_TREEVIEWA, "",
                   RecordStyle() | TVS_DISABLEDRAGDROP | TVS_SHOWSELALWAYS)) {
    return false;
  }
  SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return true;
}

}  // namespace tarnvel
