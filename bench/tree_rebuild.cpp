// Times the directory tree on a folder with many subfolders: the rebuild
// when the directory is set, once on a small tree and once over the full
// one, and the choice of one subfolder, which drops all its siblings.
// Prints one line a figure.
//   bench_tree_rebuild FOLDER
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <string>

#include "browse/directory_tree.h"
#include "shell/main_window.h"
#include "shell/runtime.h"
#include "shell/window_template.h"

namespace {

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

LARGE_INTEGER Now() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return now;
}

int CountChildren(HWND tree, HTREEITEM parent) {
  int count = 0;
  for (auto item = TreeView_GetChild(tree, parent); item; item = TreeView_GetNextSibling(tree, item)) {
    ++count;
  }
  return count;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: bench_tree_rebuild FOLDER\n");
    return 2;
  }
  const std::string folder = argv[1];
  tarnvel::Runtime runtime;
  runtime.Start();
  {
    // No bindings: the created event exports nothing.
    tarnvel::MainWindow window(runtime, {});
    if (!window.Build()) return 1;
    auto& tree = window.Get<tarnvel::DirectoryTree>(tarnvel::names::kDirectoryTree1);
    HWND hwnd = tree.hwnd();

    const LARGE_INTEGER start = Now();
    tree.SetDirectory(folder);
    const LARGE_INTEGER rebuilt = Now();
    HTREEITEM directory = TreeView_GetSelection(hwnd);
    const int subfolders = CountChildren(hwnd, directory);
    std::printf("tree rebuild, %d subfolders: %.3f s\n", subfolders, Seconds(start, rebuilt));

    // Again, so the rebuild first deletes all those items.
    const LARGE_INTEGER again = Now();
    tree.SetDirectory(folder);
    const LARGE_INTEGER rebuiltAgain = Now();
    std::printf("tree rebuild over a tree of %d subfolders: %.3f s\n", subfolders,
                Seconds(again, rebuiltAgain));
    directory = TreeView_GetSelection(hwnd);

    // The middle subfolder, chosen with Enter.
    HTREEITEM middle = TreeView_GetChild(hwnd, directory);
    for (int i = 0; i < subfolders / 2; ++i) middle = TreeView_GetNextSibling(hwnd, middle);
    TreeView_SelectItem(hwnd, middle);
    const LARGE_INTEGER before = Now();
    SendMessageA(hwnd, WM_KEYDOWN, VK_RETURN, 0x001C0001);
    const LARGE_INTEGER chosen = Now();
    std::printf("tree choice of one of %d subfolders: %.3f s\n", subfolders, Seconds(before, chosen));
  }
  runtime.Shutdown();
  return 0;
}
