// Tarnvel: writes the names of a folder's files into Tarnvel.txt beside the
// program and copies that text to the clipboard.
#include <windows.h>

#include "shell/main_window.h"
#include "shell/message_loop.h"
#include "shell/runtime.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // System DLLs come from the system folder only, never from the program
  // folder: a stray DLL there must not be loaded in their place, and in a
  // folder of many files every look-up there is slow. The program's system
  // DLLs are delay-loaded, so they are all found this way.
  SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
  // No system box may ask for a disk when a file operation meets an empty drive.
  SetErrorMode(SetErrorMode(0) | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);

  tarnvel::Runtime runtime;
  runtime.Start();
  tarnvel::MainWindow window(runtime);
  if (!window.Build()) runtime.Fatal(tarnvel::kMainWindowNotBuilt);
  const int exitCode = window.exists() ? tarnvel::RunMessageLoop(window) : 0;
  runtime.Shutdown();
  return exitCode;
}
