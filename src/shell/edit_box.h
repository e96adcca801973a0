// 编辑框1: a hidden single-line edit control that relays the clipboard text.
//
// The control keeps the bytes of its text itself: WM_SETTEXT, WM_GETTEXT and
// WM_GETTEXTLENGTH are answered from a byte string instead of the system's
// edit buffer, which is slow on long texts and turns bytes that are not
// valid in the code page into "?". So any text comes back exactly as it was
// set, at the cost of a copy.
#pragma once

#include <string>

#include "shell/control.h"

namespace tarnvel {

class EditBox : public Control {
 public:
  using Control::Control;
  bool Create(HWND parent, int controlId) override;
  HBRUSH OnCtlColor(HDC dc) override;

  // WM_SETTEXT: the control's text becomes `text`.
  void SetText(const std::string& text) const {
    SendMessageA(hwnd_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  // GetWindowTextLengthA, then GetWindowTextA into a buffer of that length.
  std::string Text() const;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  WNDPROC systemProc_ = nullptr;
  std::string text_;
};

}  // namespace tarnvel
