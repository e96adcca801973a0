// 标签1: a label of the runtime's own window class that paints its text
// in a 20-pixel "宋体" font on the button face colour.
#pragma once

#include "shell/control.h"
#include "shell/handles.h"

namespace tarnvel {

class Label : public Control {
 public:
  using Control::Control;
  bool Create(HWND parent, int controlId) override;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void OnPaint();

  UniqueGdiObject font_;
};

}  // namespace tarnvel
