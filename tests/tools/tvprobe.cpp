// tvprobe: a second Windows program for the tests and scripts/run. It looks
// at Tarnvel's main window from outside, as any other program could.
//   tvprobe ping              exits 0 (the Wine session is up)
//   tvprobe wait              sleeps until killed (keeps the Wine server warm)
//   tvprobe close             posts WM_CLOSE to the main window
//   tvprobe window            prints the main window's outer rectangle, client
//                             size, style and the screen size
//   tvprobe control ID        prints the screen rectangle "x y width height" of
//                             the main window's control with that identifier
//   tvprobe clipboard [FILE]  the clipboard's CF_TEXT up to and including its
//                             first zero byte: as hex bytes ("61 00"), or raw
//                             into FILE; "none" when there is no CF_TEXT,
//                             "busy" (exit 3) when the clipboard cannot be opened
//   tvprobe setclip TEXT      puts TEXT on the clipboard as CF_TEXT
//   tvprobe holdclip SECONDS  opens the clipboard with a window of its own,
//                             prints "held" and keeps it open that long
//   tvprobe focus             the identifier of the main window's control that
//                             has the keyboard focus in its thread ("main" for
//                             the window itself, "none", "other")
//   tvprobe front SECONDS     shows and activates a window of its own and keeps
//                             it up that long
//   tvprobe click ID          sends the main window the clicked notification of
//                             the button with that identifier and prints how
//                             long its handling took, in milliseconds
//   tvprobe active            "main" when the main window is the foreground
//                             window, else "other"
//   tvprobe menus             prints the screen rectangle "x y width height" of
//                             each pop-up menu on the screen, one line each
//   tvprobe combo ID          prints the entries of that combo box, one a line:
//                             "index<TAB>item data<TAB>text", a "*" before the
//                             index of the selected one (texts in the ANSI code page)
//   tvprobe tree ID           prints the items of that tree view in display order,
//                             one a line: "depth<TAB>text<TAB>picture<TAB>selected
//                             picture<TAB>expanded<TAB>selected<TAB>x<TAB>y", x, y
//                             the screen centre of the item's text
#include <windows.h>

#include <commctrl.h>

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

// A hidden window of this program, to own the clipboard.
HWND HiddenWindow() {
  return CreateWindowExA(0, "STATIC", "tvprobe", 0, 0, 0, 0, 0, nullptr, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

// Tries for about a second: the program under test may hold it for a moment.
bool OpenClipboardSoon(HWND owner) {
  for (int attempt = 0; attempt < 50; ++attempt) {
    if (OpenClipboard(owner)) return true;
    Sleep(20);
  }
  return false;
}

int ReadClipboard(const char* file) {
  if (!OpenClipboardSoon(nullptr)) {
    std::printf("busy\n");
    return 3;
  }
  std::string bytes;
  bool found = false;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    found = true;
    const SIZE_T size = GlobalSize(data);
    if (const char* text = static_cast<const char*>(GlobalLock(data))) {
      const void* zero = std::memchr(text, 0, size);
      bytes.assign(text, zero ? static_cast<const char*>(zero) - text + 1 : size);
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  if (!found) {
    std::printf("none\n");
    return 0;
  }
  if (file) {
    FILE* out = std::fopen(file, "wb");
    if (!out) return 1;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    return std::fclose(out) == 0 && written ? 0 : 1;
  }
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    std::printf(i ? " %02x" : "%02x", static_cast<unsigned char>(bytes[i]));
  }
  std::printf("\n");
  return 0;
}

int SetClipboard(const char* text) {
  HWND owner = HiddenWindow();
  const std::size_t size = std::strlen(text) + 1;
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
  if (!block) return 1;
  std::memcpy(GlobalLock(block), text, size);
  GlobalUnlock(block);
  if (!OpenClipboardSoon(owner)) return 3;
  EmptyClipboard();
  const bool set = SetClipboardData(CF_TEXT, block) != nullptr;
  CloseClipboard();
  DestroyWindow(owner);
  return set ? 0 : 1;
}

// Runs this thread's messages for about `seconds`.
void PumpFor(int seconds) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(seconds) * 1000;
  while (static_cast<LONG>(end - GetTickCount()) > 0) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
  }
}

int HoldClipboard(int seconds) {
  HWND owner = HiddenWindow();
  if (!OpenClipboardSoon(owner)) return 3;
  std::printf("held\n");
  std::fflush(stdout);
  PumpFor(seconds);
  CloseClipboard();
  DestroyWindow(owner);
  return 0;
}

int Focus() {
  HWND window = MainWindow();
  if (!window) return 1;
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return 1;
  HWND focus = info.hwndFocus;
  if (!focus) {
    std::printf("none\n");
  } else if (focus == window) {
    std::printf("main\n");
  } else if (!IsChild(window, focus)) {
    std::printf("other\n");
  } else {
    // A control's own child (an edit box of a combo box) counts as the control.
    while (GetParent(focus) != window) focus = GetParent(focus);
    std::printf("%d\n", GetDlgCtrlID(focus));
  }
  return 0;
}

int Front(int seconds) {
  HWND window = CreateWindowExA(0, "STATIC", "tvprobe front", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                0, 0, 240, 120, nullptr, nullptr, GetModuleHandleA(nullptr),
                                nullptr);
  if (!window) return 1;
  SetForegroundWindow(window);
  PumpFor(seconds);
  DestroyWindow(window);
  return 0;
}

int Click(const char* id) {
  HWND window = MainWindow();
  const int controlId = std::atoi(id);
  HWND button = window ? GetDlgItem(window, controlId) : nullptr;
  if (!button) return 1;
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  // Sent, not posted: the call returns once the handler has run.
  SendMessageA(window, WM_COMMAND, MAKEWPARAM(controlId, BN_CLICKED),
               reinterpret_cast<LPARAM>(button));
  QueryPerformanceCounter(&end);
  std::printf("%.1f\n", 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
                            static_cast<double>(frequency.QuadPart));
  return 0;
}

int Active() {
  HWND window = MainWindow();
  std::printf(window && GetForegroundWindow() == window ? "main\n" : "other\n");
  return 0;
}

int Menus() {
  EnumWindows(
      [](HWND window, LPARAM) -> BOOL {
        char className[16] = {};
        GetClassNameA(window, className, sizeof className);
        if (std::strcmp(className, "#32768") != 0 || !IsWindowVisible(window)) return TRUE;
        RECT rect;
        GetWindowRect(window, &rect);
        std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top);
        return TRUE;
      },
      0);
  return 0;
}

int ComboEntries(const char* id) {
  HWND window = MainWindow();
  HWND combo = window ? GetDlgItem(window, std::atoi(id)) : nullptr;
  if (!combo) return 1;
  const LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
  const LRESULT selected = SendMessageA(combo, CB_GETCURSEL, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    // Across processes Wine hands CB_GETLBTEXT over in UTF-16 only.
    std::wstring wide(static_cast<std::size_t>(SendMessageW(combo, CB_GETLBTEXTLEN, i, 0)) + 1, L'\0');
    SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(wide.data()));
    std::string text(wide.size() * 2, '\0');
    text.resize(static_cast<std::size_t>(WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, text.data(),
                                                             static_cast<int>(text.size()), nullptr,
                                                             nullptr)));
    text.resize(std::strlen(text.c_str()));
    const LRESULT data = SendMessageA(combo, CB_GETITEMDATA, i, 0);
    std::printf("%s%ld\t%ld\t%s\n", i == selected ? "*" : "", static_cast<long>(i),
                static_cast<long>(data), text.c_str());
  }
  return 0;
}

// Tree view messages carry pointers: the structures they fill live in a
// block of the tree's own process.
class RemoteBlock {
 public:
  RemoteBlock(HWND window, std::size_t size) : size_(size) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (process_) address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
  }
  ~RemoteBlock() {
    if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    if (process_) CloseHandle(process_);
  }
  RemoteBlock(const RemoteBlock&) = delete;
  RemoteBlock& operator=(const RemoteBlock&) = delete;

  bool ok() const { return address_ != nullptr; }
  char* at(std::size_t offset) const { return static_cast<char*>(address_) + offset; }
  void Write(std::size_t offset, const void* data, std::size_t size) const {
    WriteProcessMemory(process_, at(offset), data, size, nullptr);
  }
  void Read(std::size_t offset, void* data, std::size_t size) const {
    ReadProcessMemory(process_, at(offset), data, size, nullptr);
  }
  std::size_t size() const { return size_; }

 private:
  std::size_t size_;
  HANDLE process_ = nullptr;
  void* address_ = nullptr;
};

void PrintTreeItems(HWND tree, const RemoteBlock& block, HTREEITEM item, int depth) {
  constexpr std::size_t kTextOffset = 1024;
  for (; item; item = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT,
                                                                reinterpret_cast<LPARAM>(item)))) {
    TVITEMA request{};
    request.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE | TVIF_HANDLE;
    request.hItem = item;
    request.stateMask = TVIS_EXPANDED | TVIS_SELECTED;
    request.pszText = block.at(kTextOffset);
    request.cchTextMax = static_cast<int>(block.size() - kTextOffset);
    block.Write(0, &request, sizeof request);
    SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(block.at(0)));
    block.Read(0, &request, sizeof request);
    std::string text(block.size() - kTextOffset, '\0');
    block.Read(kTextOffset, text.data(), text.size());
    text.resize(std::strlen(text.c_str()));

    RECT rect{};
    std::memcpy(&rect, &item, sizeof item);
    block.Write(0, &rect, sizeof rect);
    POINT centre{-1, -1};
    if (SendMessageA(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(block.at(0)))) {
      block.Read(0, &rect, sizeof rect);
      centre = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
      ClientToScreen(tree, &centre);
    }
    std::printf("%d\t%s\t%d\t%d\t%d\t%d\t%ld\t%ld\n", depth, text.c_str(), request.iImage,
                request.iSelectedImage, (request.state & TVIS_EXPANDED) ? 1 : 0,
                (request.state & TVIS_SELECTED) ? 1 : 0, centre.x, centre.y);
    const auto child = reinterpret_cast<HTREEITEM>(
        SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(item)));
    PrintTreeItems(tree, block, child, depth + 1);
  }
}

int TreeItems(const char* id) {
  HWND window = MainWindow();
  HWND tree = window ? GetDlgItem(window, std::atoi(id)) : nullptr;
  if (!tree) return 1;
  RemoteBlock block(tree, 8192);
  if (!block.ok()) return 1;
  const auto root =
      reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
  PrintTreeItems(tree, block, root, 0);
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
  if (command == "clipboard") return ReadClipboard(argc > 2 ? argv[2] : nullptr);
  if (command == "setclip" && argc > 2) return SetClipboard(argv[2]);
  if (command == "holdclip" && argc > 2) return HoldClipboard(std::atoi(argv[2]));
  if (command == "focus") return Focus();
  if (command == "front" && argc > 2) return Front(std::atoi(argv[2]));
  if (command == "click" && argc > 2) return Click(argv[2]);
  if (command == "active") return Active();
  if (command == "menus") return Menus();
  if (command == "combo" && argc > 2) return ComboEntries(argv[2]);
  if (command == "tree" && argc > 2) return TreeItems(argv[2]);
  std::fprintf(stderr, "tvprobe: unknown command '%s'\n", command.c_str());
  return 2;
}
