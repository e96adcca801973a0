#include "shell/main_window.h"

#include <cstdlib>

#include "browse/directory_tree.h"
#include "browse/drive_list.h"
#include "browse/file_list.h"
#include "browse/folder_read.h"
#include "shell/edit_box.h"
#include "shell/label.h"
#include "shell/link_menu.h"
#include "shell/push_button.h"
#include "shell/runtime.h"
#include "shell/window_template.h"

namespace tarnvel {
namespace {

constexpr char kMainWindowClass[] = "TarnvelWindow";
constexpr WORD kFirstDroppedCommand = 0xE100;

std::unique_ptr<Control> MakeControl(MainWindow& window, const ControlRecord& record) {
  switch (record.kind) {
    case ControlKind::Label: return std::make_unique<Label>(window, record);
    case ControlKind::EditBox: return std::make_unique<EditBox>(window, record);
    case ControlKind::PushButton: return std::make_unique<PushButton>(window, record);
    case ControlKind::DriveList: return std::make_unique<DriveList>(window, record);
    case ControlKind::DirectoryTree: return std::make_unique<DirectoryTree>(window, record);
    case ControlKind::FileList: return std::make_unique<FileList>(window, record);
  }
  return nullptr;
}

// Runs the messages waiting in the thread's queue.
void ProcessWaitingMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      // Not ours to consume: leave it for the message loop.
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

// A signed division that truncates toward zero, so a screen smaller than
// the window gives a negative position: the centring is not clamped.
int Centred(int screen, int size) { return (screen - size) / 2; }

}  // namespace

MainWindow::MainWindow(Runtime& runtime, std::span<const Binding> bindings)
    : runtime_(runtime), bindings_(bindings) {
  for (const ControlRecord& record : kControlTable) controls_.push_back(MakeControl(*this, record));
}

MainWindow::~MainWindow() {
  if (hwnd_) DestroyWindow(hwnd_);
}

bool MainWindow::Build() {
  ProcessWaitingMessages();
  EventHoldBack holdBack(runtime_);

  if (!RegisterRuntimeClass(runtime_.instance(), kMainWindowClass, WindowProc)) return false;
  const auto& record = kMainWindowRecord;
  const int x = Centred(GetSystemMetrics(SM_CXSCREEN), record.width);
  const int y = Centred(GetSystemMetrics(SM_CYSCREEN), record.height);
  const std::string title(record.title);
  UniqueMenu menuBar = BuildMenuBar(kMenuTable);
  CreateWindowExA(0, kMainWindowClass, title.c_str(), WS_CAPTION | WS_CLIPCHILDREN, x, y,
                  record.width, record.height, runtime_.ownerWindow(), menuBar.get(),
                  runtime_.instance(), this);
  if (!hwnd_) return false;
  menuBar.release();  // the window destroys its menu bar

  RECT outer;
  GetWindowRect(hwnd_, &outer);
  if (outer.right - outer.left != record.width || outer.bottom - outer.top != record.height) {
    MoveWindow(hwnd_, x, y, record.width, record.height, FALSE);
  }

  SendMessageA(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(runtime_.icon()));
  SendMessageA(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(runtime_.icon()));
  SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);

  {
    // The file list and the tree both list the working directory as they
    // are created: one read of it serves both.
    FolderReadShare oneRead;
    if (!CreateControls()) return false;
  }

  HWND above = HWND_TOP;
  for (const auto& control : controls_) {
    SetWindowPos(control->hwnd(), above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    above = control->hwnd();
  }
  for (const auto& control : controls_) {
    ShowWindow(control->hwnd(), control->record().visible ? SW_SHOWNA : SW_HIDE);
  }

  ProcessWaitingMessages();
  holdBack.Release();

  EventArgs args;
  Raise(names::kMainWindow, Event::Created, args);

  if (hwnd_) ShowWindow(hwnd_, SW_SHOW);
  return true;
}

bool MainWindow::CreateControls() {
  int id = kFirstControlId;
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it, id += kControlIdStep) {
    if (!(*it)->Create(hwnd_, id)) return false;
  }
  return true;
}

Control& MainWindow::Find(std::string_view name) const {
  for (const auto& control : controls_) {
    if (control->name() == name) return *control;
  }
  // Names are constants of the window template: a miss is a defect of the program.
  std::abort();
}

Control* MainWindow::FindByWindow(HWND window) const {
  if (!window) return nullptr;
  for (const auto& control : controls_) {
    if (control->hwnd() == window) return control.get();
  }
  return nullptr;
}

bool MainWindow::Raise(std::string_view source, Event event, EventArgs& args) {
  if (runtime_.eventsHeldBack()) return true;
  for (const Binding& binding : bindings_) {
    if (binding.source == source && binding.event == event) {
      binding.handler(*this, args);
      break;
    }
  }
  return args.result.value_or(true);
}

void MainWindow::Destroy(bool atOnce) {
  if (!hwnd_) return;
  if (atOnce) {
    closing_ = false;
    DestroyWindow(hwnd_);
    return;
  }
  closing_ = true;
  PostMessageA(hwnd_, kCloseDownMessage, 0, 0);
}

void MainWindow::OnCloseDown() {
  if (!closing_) return;
  closing_ = false;
  DestroyWindow(hwnd_);
}

LRESULT CALLBACK MainWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->hwnd_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!self) return DefWindowProcA(window, message, wParam, lParam);
  return self->HandleMessage(message, wParam, lParam);
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(wParam, lParam);
      return 0;
    case WM_NOTIFY:
      return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
      return OnCtlColor(message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_ACTIVATE:
      OnActivate(wParam);
      break;
    case WM_SETFOCUS:
      OnSetFocus();
      return 0;
    case kCloseDownMessage:
      OnCloseDown();
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY: {
      const LRESULT result = DefWindowProcA(hwnd_, message, wParam, lParam);
      SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
      hwnd_ = nullptr;
      return result;
    }
    default:
      break;
  }
  return DefWindowProcA(hwnd_, message, wParam, lParam);
}

void MainWindow::OnCommand(WPARAM wParam, LPARAM lParam) {
  const WORD id = LOWORD(wParam);
  if (id >= kFirstDroppedCommand) return;
  if (id >= kFirstCommand) {
    const std::size_t position = id - kFirstCommand;
    if (position < kMenuTable.size()) {
      EventArgs args;
      Raise(kMenuTable[position].caption, Event::Selected, args);
    }
    return;
  }
  // Control notifications go to the control named by the handle, whatever
  // identifier they carry.
  if (Control* control = FindByWindow(reinterpret_cast<HWND>(lParam))) {
    control->OnCommand(HIWORD(wParam));
  }
}

LRESULT MainWindow::OnNotify(const NMHDR& header) {
  if (Control* control = FindByWindow(header.hwndFrom)) return control->OnNotify(header);
  return 0;
}

LRESULT MainWindow::OnCtlColor(UINT message, HDC dc, HWND child) {
  if (Control* control = FindByWindow(child)) {
    if (HBRUSH brush = control->OnCtlColor(dc)) return reinterpret_cast<LRESULT>(brush);
  }
  return DefWindowProcA(hwnd_, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(child));
}

void MainWindow::OnPaint() {
  PaintDc paint(hwnd_);
  RECT client;
  GetClientRect(hwnd_, &client);
  FillRect(paint.get(), &client, GetSysColorBrush(COLOR_BTNFACE));
}

}  // namespace tarnvel
