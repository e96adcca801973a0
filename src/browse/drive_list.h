// 驱动器框1: the drop-down list of the machine's logical drives.
#pragma once

#include <string>

#include "shell/control.h"

namespace tarnvel {

// The current drive when the working directory lies on no drive letter:
// the character before "A".
inline constexpr char kNoDriveLetter = '@';

class DriveList : public Control {
 public:
  using Control::Control;
  bool Create(HWND parent, int controlId) override;
  void OnCommand(WORD code) override;
  HBRUSH OnCtlColor(HDC dc) override;

  // The chosen drive's letter, or the working directory's drive while
  // none is chosen: one upper-case character without ":" or "\".
  std::string currentDrive() const;

 private:
  void List();

  char letter_ = 0;  // 0: none stored
};

// The drive letter of a working directory: its first character in upper
// case when the second is ":", otherwise kNoDriveLetter.
char DriveLetterOf(const std::string& directory);

// An entry's text: the letter, ":" and the drive type's label, and for a
// fixed drive with a volume label one space and the label.
std::string DriveEntryText(char letter, unsigned driveType, const std::string& volumeLabel);

}  // namespace tarnvel
