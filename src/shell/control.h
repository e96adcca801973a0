// Base of the seven controls of the main window: each kind creates its own
// window and takes back the notifications that the main window hands it.
#pragma once

#include <windows.h>

#include "shell/bindings.h"
#include "shell/window_template.h"

namespace tarnvel {

class MainWindow;

class Control {
 public:
  Control(MainWindow& owner, const ControlRecord& record) : owner_(owner), record_(record) {}
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  // Creates the control's window as a child of `parent`, not yet visible.
  // False when the window cannot be created.
  virtual bool Create(HWND parent, int controlId) = 0;

  // A WM_COMMAND notification that carried this control's window handle.
  virtual void OnCommand(WORD /*code*/) {}
  // A WM_NOTIFY whose hwndFrom is this control; the result goes back to the sender.
  virtual LRESULT OnNotify(const NMHDR& /*header*/) { return 0; }
  // WM_CTLCOLOR* for this control; null leaves it to the system.
  virtual HBRUSH OnCtlColor(HDC /*dc*/) { return nullptr; }

  HWND hwnd() const { return hwnd_; }
  const ControlRecord& record() const { return record_; }
  std::string_view name() const { return record_.name; }
  MainWindow& owner() const { return owner_; }

 protected:
  // WS_CHILD | WS_CLIPSIBLINGS plus WS_DISABLED and WS_TABSTOP from the record.
  DWORD RecordStyle() const;
  // Creates the window at the record's rectangle; stores and returns the handle.
  HWND CreateChild(HWND parent, int controlId, DWORD exStyle, const char* className,
                   const char* text, DWORD style, int height);
  HWND CreateChild(HWND parent, int controlId, DWORD exStyle, const char* className,
                   const char* text, DWORD style) {
    return CreateChild(parent, controlId, exStyle, className, text, style, record_.height);
  }
  // Raises one of this control's events through the main window's bindings.
  bool Raise(Event event, EventArgs& args);
  bool Raise(Event event) {
    EventArgs args;
    return Raise(event, args);
  }

  // Answers a control-colour message with black text on white.
  static HBRUSH BlackOnWhite(HDC dc);

  HWND hwnd_ = nullptr;

 private:
  MainWindow& owner_;
  const ControlRecord& record_;
};

}  // namespace tarnvel
