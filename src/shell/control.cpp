#include "shell/control.h"

#include "shell/main_window.h"
#include "shell/runtime.h"

namespace tarnvel {

DWORD Control::RecordStyle() const {
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
  if (record_.disabled) style |= WS_DISABLED;
  if (record_.tabStop) style |= WS_TABSTOP;
  return style;
}

HWND Control::CreateChild(HWND parent, int controlId, DWORD exStyle, const char* className,
                          const char* text, DWORD style, int height) {
  hwnd_ = CreateWindowExA(exStyle, className, text, style, record_.x, record_.y, record_.width,
                          height, parent,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)),
                          owner_.runtime().instance(), nullptr);
  return hwnd_;
}

HBRUSH Control::BlackOnWhite(HDC dc) {
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkColor(dc, RGB(255, 255, 255));
  return static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
}

bool Control::Raise(Event event, EventArgs& args) { return owner_.Raise(name(), event, args); }

}  // namespace tarnvel
