// 按钮1 and 按钮2: push buttons that raise their clicked event.
#pragma once

#include "shell/control.h"

namespace tarnvel {

class PushButton : public Control {
 public:
  using Control::Control;
  bool Create(HWND parent, int controlId) override;
  void OnCommand(WORD code) override;
};

}  // namespace tarnvel
