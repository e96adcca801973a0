// tvprobe: a second Windows program for the tests and scripts/run. It looks
// at Tarnvel's main window from outside, as any other program could.
//   tvprobe ping              exits 0 (the Wine session is up)
//   tvprobe wait              sleeps until killed (keeps the Wine server warm)
//   tvprobe close             posts WM_CLOSE to the main window
//   tvprobe window            prints the main window's outer rectangle, client
//                             size, style and the screen size
//   tvprobe control ID        prints the screen rectangle "x y width height" of
//                             the main window's control with that identifier
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr char kMainWindowClass[] = "TarnvelWindow";
constexpr char kMainWindowTitle[] = "Tarnvel提取文件名V2.3";

HWND MainWindow() { return FindWindowA(kMainWindowClass, kMainWindowTitle); }

int Close() {
  HWND window = MainWindow();
  if (!window) return 1;
  return PostMessageA(window, WM_CLOSE, 0, 0) ? 0 : 1;
}

int Window() {
  HWND window = MainWindow();
  if (!window) return 1;
  RECT outer, client;
  GetWindowRect(window, &outer);
  GetClientRect(window, &client);
  std::printf("outer %ld %ld %ld %ld\n", outer.left, outer.top, outer.right - outer.left,
              outer.bottom - outer.top);
  std::printf("client %ld %ld\n", client.right, client.bottom);
  std::printf("style %08lX\n", static_cast<unsigned long>(GetWindowLongA(window, GWL_STYLE)));
  std::printf("screen %d %d\n", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  std::printf("visible %d\n", IsWindowVisible(window) ? 1 : 0);
  return 0;
}

int ControlRect(const char* id) {
  HWND window = MainWindow();
  HWND control = window ? GetDlgItem(window, std::atoi(id)) : nullptr;
  if (!control) return 1;
  RECT rect;
  GetWindowRect(control, &rect);
  std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left,
              rect.bottom - rect.top);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "ping") return 0;
  if (command == "wait") {
    Sleep(INFINITE);
    return 0;
  }
  if (command == "close") return Close();
  if (command == "window") return Window();
  if (command == "control" && argc > 2) return ControlRect(argv[2]);
  std::fprintf(stderr, "tvprobe: unknown command '%s'\n", command.c_str());
  return 2;
}
