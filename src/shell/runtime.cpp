#include "shell/runtime.h"

#include <commctrl.h>
#include <ole2.h>

#include <cstdlib>

#include "resources/resource_ids.h"
#include "shell/fatal_error_text.h"
#include "shell/program_folder.h"

namespace tarnvel {
namespace {

Runtime* g_current = nullptr;

constexpr char kOwnerClass[] = "TarnvelOwner";

bool RegisterOwnerClass(HINSTANCE instance) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.lpszClassName = kOwnerClass;
  return RegisterClassExA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

BOOL CALLBACK DestroyThreadWindow(HWND window, LPARAM owner) {
  if (window != reinterpret_cast<HWND>(owner)) DestroyWindow(window);
  return TRUE;
}

}  // namespace

bool RegisterRuntimeClass(HINSTANCE instance, const char* name, WNDPROC procedure) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.lpszClassName = name;
  return RegisterClassExA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

std::string ModulePath() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    // A full buffer may mean a cut path: try again with a larger one.
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

Runtime::Runtime() : instance_(GetModuleHandleA(nullptr)) { g_current = this; }

Runtime::~Runtime() {
  Shutdown();
  if (g_current == this) g_current = nullptr;
}

Runtime* Runtime::Current() { return g_current; }

void Runtime::Start() {
  oleStarted_ = SUCCEEDED(OleInitialize(nullptr));
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_TREEVIEW_CLASSES};
  InitCommonControlsEx(&controls);

  programFolder_ = FolderOfPath(ModulePath(), [](unsigned char byte) {
    return IsDBCSLeadByte(byte) != FALSE;
  });
  SetCurrentDirectoryA(programFolder_.c_str());

  if (RegisterOwnerClass(instance_)) {
    owner_.reset(CreateWindowExA(WS_EX_TOOLWINDOW, kOwnerClass, "", 0, 0, 0, 0, 0, nullptr,
                                 nullptr, instance_, nullptr));
  }

  // The template is ready when its icon could be loaded.
  icon_.reset(static_cast<HICON>(LoadImageA(instance_, MAKEINTRESOURCEA(kIconMainWindow),
                                            IMAGE_ICON, 32, 32, 0)));
  if (!icon_) Fatal(kTemplateNotReady);
}

void Runtime::Shutdown() {
  if (shutDown_) return;
  shutDown_ = true;
  HoldBackEvents();
  EnumThreadWindows(GetCurrentThreadId(), DestroyThreadWindow,
                    reinterpret_cast<LPARAM>(owner_.get()));
  owner_.reset();
  if (oleStarted_) OleUninitialize();
  oleStarted_ = false;
}

void Runtime::Fatal(std::string_view message, unsigned errorCode) {
  HoldBackEvents();
  const std::string text = FatalErrorText(message, errorCode);
  MessageBoxA(nullptr, text.c_str(), kFatalErrorCaption.data(), MB_ICONERROR);
  Shutdown();
  ExitProcess(static_cast<UINT>(-1));
}

}  // namespace tarnvel
