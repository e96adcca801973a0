// 编辑框1: a hidden single-line edit control that relays the clipboard text.
#pragma once

#include "shell/control.h"

namespace tarnvel {

class EditBox : public Control {
 public:
  using Control::Control;
  bool Create(HWND parent, int controlId) override;
  HBRUSH OnCtlColor(HDC dc) override;
};

}  // namespace tarnvel
