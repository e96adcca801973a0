// 文件框1: the list box of the file names of one folder.
#pragma once

#include <string>

#include "shell/control.h"

namespace tarnvel {

class FileList : public Control {
 public:
  using Control::Control;
  bool Create(HWND parent, int controlId) override;
  HBRUSH OnCtlColor(HDC dc) override;

  // Stores the directory exactly as given.
  void SetDirectory(std::string directory);

 private:
  std::string directory_;
};

}  // namespace tarnvel
