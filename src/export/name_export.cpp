#include "export/name_export.h"

#include "browse/file_list.h"
#include "browse/file_list_rules.h"
#include "export/list_file.h"
#include "shell/main_window.h"
#include "shell/window_template.h"

namespace tarnvel {

void RunNameExport(MainWindow& window) {
  auto& fileList = window.Get<FileList>(names::kFileList1);
  fileList.SetMultipleSelection(true);
  fileList.SelectAll();
  // Taken only now: the switch above may have given the list a new window.
  HWND list = fileList.hwnd();
  // Selecting by message notifies nobody; this makes the list take up the
  // selection, handed to it by the main window like any notification.
  SendMessageA(window.hwnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list));
  // The names one by one, so a name that holds ";" stays one whole line and
  // every byte of it reaches the file.
  WriteListFile(JoinNames(fileList.SelectedNames(), "\r\n"), kListFileName);
  fileList.ClearSelection();
}

}  // namespace tarnvel
