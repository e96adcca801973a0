#include "browse/navigation.h"

#include "shell/main_window.h"

namespace tarnvel {

void OnDriveChosen(MainWindow& /*window*/) {}
void OnFolderChosen(MainWindow& /*window*/) {}

}  // namespace tarnvel
