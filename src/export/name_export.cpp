#include "export/name_export.h"

#include "shell/main_window.h"

namespace tarnvel {

void RunNameExport(MainWindow& /*window*/) {}

}  // namespace tarnvel
