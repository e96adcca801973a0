// 文件框1: the list box of the file names of one folder.
#pragma once

#include "shell/control.h"

namespace tarnvel {

class FileList : public Control {
 public:
  using Control::Control;
  bool Create(HWND parent, int controlId) override;
  HBRUSH OnCtlColor(HDC dc) override;
};

}  // namespace tarnvel
