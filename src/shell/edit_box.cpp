#include "shell/edit_box.h"

#include <algorithm>
#include <cstring>

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
  text_ = text;
  SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  systemProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WindowProc)));
  return true;
}

HBRUSH EditBox::OnCtlColor(HDC dc) { return BlackOnWhite(dc); }

std::string EditBox::Text() const {
  const int length = GetWindowTextLengthA(hwnd_);
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length), '\0');
  // The string's own terminator takes the zero that GetWindowTextA writes.
  const int got = GetWindowTextA(hwnd_, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(std::max(got, 0)));
  return text;
}

LRESULT CALLBACK EditBox::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<EditBox*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!self) return DefWindowProcA(window, message, wParam, lParam);
  return self->HandleMessage(message, wParam, lParam);
}

LRESULT EditBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETTEXT: {
      // lParam: the new text, zero-terminated, or null for none. Returns TRUE.
      const char* text = reinterpret_cast<const char*>(lParam);
      text_.assign(text ? text : "");
      return TRUE;
    }
    case WM_GETTEXT: {
      // wParam: the buffer's size, terminator included. Copies what fits
      // and a zero; returns the bytes copied, terminator not counted.
      char* buffer = reinterpret_cast<char*>(lParam);
      if (!buffer || wParam == 0) return 0;
      const std::size_t count = std::min<std::size_t>(text_.size(), wParam - 1);
      std::memcpy(buffer, text_.data(), count);
      buffer[count] = '\0';
      return static_cast<LRESULT>(count);
    }
    case WM_GETTEXTLENGTH:
      // The text's length in bytes, terminator not counted.
      return static_cast<LRESULT>(text_.size());
    case WM_NCDESTROY: {
      HWND window = hwnd_;
      const WNDPROC systemProc = systemProc_;
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(systemProc));
      SetWindowLongPtrA(window, GWLP_USERDATA, 0);
      hwnd_ = nullptr;
      return CallWindowProcA(systemProc, window, message, wParam, lParam);
    }
    default:
      return CallWindowProcA(systemProc_, hwnd_, message, wParam, lParam);
  }
}

}  // namespace tarnvel
