// 目录框1: the tree view of the directory's path chain and subfolders.
#pragma once

#include "shell/control.h"

namespace tarnvel {

class DirectoryTree : public Control {
 public:
  using Control::Control;
  bool Create(HWND parent, int controlId) override;
};

}  // namespace tarnvel
