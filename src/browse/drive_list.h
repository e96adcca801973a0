// 驱动器框1: the drop-down list of the machine's logical drives.
#pragma once

#include "shell/control.h"

namespace tarnvel {

class DriveList : public Control {
 public:
  using Control::Control;
  bool Create(HWND parent, int controlId) override;
  HBRUSH OnCtlColor(HDC dc) override;
};

}  // namespace tarnvel
