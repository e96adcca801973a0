#include "skin/skin.h"

#include <windows.h>

#include <algorithm>
#include <forward_list>
#include <optional>
#include <utility>
#include <vector>

#include "shell/handles.h"
#include "skin/skin_painting.h"
#include "skin/skinned_control.h"

namespace tarnvel {
namespace {

using skin::SkinKind;
using skin::SkinnedControl;

struct SkinState {
  int style = 1;
  std::forward_list<SkinnedControl> controls;  // newest first
  UniqueHook hook;                             // watches the thread's window creations
  // Windows being created that may qualify, with their own procedure, until
  // their WM_CREATE arrives.
  std::vector<std::pair<HWND, WNDPROC>> awaitingCreate;
};

SkinState& State() {
  static SkinState state;
  return state;
}

SkinnedControl* Find(HWND window) {
  for (SkinnedControl& control : State().controls) {
    if (control.window == window) return &control;
  }
  return nullptr;
}

void RedrawCompletely(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ERASENOW | RDW_UPDATENOW);
}

// Paints a control in its current state. Looks the record up afresh: the
// control's own procedure, run just before, may have given the window back.
void Repaint(HWND window, skin::PaintTarget target = {}) {
  if (const SkinnedControl* control = Find(window)) {
    skin::PaintControl(*control, skin::PaletteOf(State().style), target);
  }
}

LRESULT CALLBACK SkinProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

void TakeOver(HWND window) {
  if (Find(window) || GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId()) return;
  const std::optional<SkinKind> kind = skin::KindOfWindow(window);
  if (!kind) return;
  auto& controls = State().controls;
  SkinnedControl& control = controls.emplace_front();
  control.window = window;
  control.kind = *kind;
  control.state = skin::InitialState(window, *kind);
  control.previousProcedure = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
  if (!SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SkinProcedure))) {
    controls.pop_front();
    return;
  }
  RedrawCompletely(window);
}

void GiveBack(HWND window, bool redraw) {
  auto& controls = State().controls;
  for (auto before = controls.before_begin(), it = controls.begin(); it != controls.end(); before = it++) {
    if (it->window != window) continue;
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(it->previousProcedure));
    controls.erase_after(before);
    if (redraw) RedrawCompletely(window);
    return;
  }
}

BOOL CALLBACK TakeOverWindow(HWND window, LPARAM) {
  TakeOver(window);
  return TRUE;
}

BOOL CALLBACK TakeOverWithChildren(HWND window, LPARAM) {
  TakeOver(window);
  EnumChildWindows(window, &TakeOverWindow, 0);  // every descendant, not only the children
  return TRUE;
}

// Controls created while the skin is on are taken over just before their
// own procedure sees WM_CREATE. A creation hook (WH_CBT) rather than one on
// every sent message (WH_CALLWNDPROC): such a hook would pass each of the
// hundred thousand messages that fill the file list or the tree, a round
// trip to the window server apiece under Wine. At creation the window gets
// a stand-in procedure that waits for WM_CREATE.
LRESULT CALLBACK AwaitCreate(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto& awaiting = State().awaitingCreate;
  const auto it = std::ranges::find(awaiting, window, &std::pair<HWND, WNDPROC>::first);
  if (it == awaiting.end()) return DefWindowProcA(window, message, wParam, lParam);
  const WNDPROC own = it->second;
  if (message != WM_CREATE && message != WM_NCDESTROY) {
    return CallWindowProcA(own, window, message, wParam, lParam);
  }
  awaiting.erase(it);
  SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(own));
  if (message == WM_CREATE) TakeOver(window);
  const auto now = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
  return CallWindowProcA(now, window, message, wParam, lParam);
}

LRESULT CALLBACK WatchCreation(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) {
    const auto window = reinterpret_cast<HWND>(wParam);
    const CREATESTRUCTA& create = *reinterpret_cast<const CBT_CREATEWNDA*>(lParam)->lpcs;
    const HWND parent = create.hwndParent;
    // The text is not set yet: judge as if it had one, and again at WM_CREATE.
    if (skin::KindOf(skin::ClassName(window), static_cast<DWORD>(create.style), true,
                     parent ? skin::ClassName(parent) : std::string())) {
      const auto own = reinterpret_cast<WNDPROC>(
          SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AwaitCreate)));
      if (own) State().awaitingCreate.emplace_back(window, own);
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void SwitchOn() {
  EnumThreadWindows(GetCurrentThreadId(), &TakeOverWithChildren, 0);
  State().hook.reset(SetWindowsHookExA(WH_CBT, &WatchCreation, nullptr, GetCurrentThreadId()));
}

// Gives back every record, whichever window it belongs to, so that no window
// keeps the skin's procedure once the skin is off.
int SwitchOff() {
  auto& state = State();
  while (!state.controls.empty()) GiveBack(state.controls.front().window, true);
  const HHOOK hook = state.hook.release();
  return hook ? UnhookWindowsHookEx(hook) : 0;
}

// One message on its way through the skin procedure.
struct Message {
  HWND window;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  WNDPROC previous;

  LRESULT Previous() const { return CallWindowProcA(previous, window, message, wParam, lParam); }
  // The same, with the DC's state (clipping, origin) set back afterwards, for
  // a print DC that the skin draws on next.
  LRESULT PreviousKeepingDc() const {
    SavedDcState saved(dc());
    return Previous();
  }
  LRESULT Default() const { return DefWindowProcA(window, message, wParam, lParam); }
  LRESULT Repainted(LRESULT result) const {
    Repaint(window);
    return result;
  }
  HDC dc() const { return reinterpret_cast<HDC>(wParam); }
};

// Asks the parent for the control's background, as a button would.
void StoreBackground(const Message& m) {
  const HWND parent = GetParent(m.window);
  if (!parent) return;
  const auto brush = reinterpret_cast<HBRUSH>(
      SendMessageA(parent, WM_CTLCOLORBTN, m.wParam, reinterpret_cast<LPARAM>(m.window)));
  if (SkinnedControl* control = Find(m.window)) {
    control->backgroundBrush = brush;
    control->textColour = GetTextColor(m.dc());
  }
}

// Push buttons, check boxes and radio buttons: the system never paints them.
std::optional<LRESULT> ButtonMessage(SkinnedControl& control, const Message& m) {
  switch (m.message) {
    case WM_PAINT:
    case WM_SETTEXT:
      return m.Repainted(m.Default());
    case WM_ERASEBKGND:
      return m.Previous();
    case BM_SETCHECK:
      control.set(skin::kTicked, m.wParam == BST_CHECKED);
      control.set(skin::kIndeterminate, m.wParam == BST_INDETERMINATE);
      return m.Repainted(m.Previous());
    case BM_SETSTATE:
      control.set(skin::kPressed, m.wParam != 0);
      return m.Repainted(m.Previous());
    case BM_SETSTYLE:
      control.set(skin::kDefault, (m.wParam & BS_DEFPUSHBUTTON) != 0);
      return m.Repainted(m.Previous());
    case WM_UPDATEUISTATE:
      // The button's own procedure redraws itself when the focus cues change.
      return m.Repainted(m.Previous());
    case WM_PRINTCLIENT:
      Repaint(m.window, {m.dc(), true});
      return 0;
    case WM_PRINT:
      if ((m.lParam & PRF_CHECKVISIBLE) && !IsWindowVisible(m.window)) return 0;
      Repaint(m.window, {m.dc(), false});
      return 0;
    default:
      return std::nullopt;
  }
}

std::optional<LRESULT> EditBoxMessage(SkinnedControl& control, const Message& m) {
  switch (m.message) {
    case WM_PAINT:
    case WM_NCPAINT:
    case WM_HSCROLL:
    case WM_VSCROLL:
      return m.Repainted(m.Previous());
    case EM_SETREADONLY:
      // The inner frame line shows whether the box is read-only.
      control.set(skin::kReadOnly, m.wParam != 0);
      return m.Repainted(m.Previous());
    case WM_NCMOUSEMOVE:
      if (control.has(skin::kHot)) return std::nullopt;
      control.set(skin::kHot, true);
      return m.Repainted(m.Default());
    case WM_MOUSELEAVE:
      if (!control.has(skin::kHot)) return std::nullopt;
      control.set(skin::kHot, false);
      return m.Repainted(m.Default());
    case WM_PRINT: {
      const LRESULT result = m.PreviousKeepingDc();
      if (m.lParam & PRF_NONCLIENT) Repaint(m.window, {m.dc(), false});
      return result;
    }
    default:
      return std::nullopt;
  }
}

std::optional<LRESULT> ComboBoxMessage(SkinnedControl& control, const Message& m) {
  switch (m.message) {
    case WM_PAINT:
    case WM_NCPAINT:
      return m.Repainted(m.Previous());
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
      control.set(skin::kPressed, m.message == WM_LBUTTONDOWN);
      return m.Repainted(m.Previous());
    case WM_PRINT:
    case WM_PRINTCLIENT: {
      const LRESULT result = m.PreviousKeepingDc();
      Repaint(m.window, {m.dc(), m.message == WM_PRINTCLIENT});
      return result;
    }
    default:
      return std::nullopt;
  }
}

// Focus, enabling and the pointer, for every kind.
LRESULT CommonMessage(SkinnedControl& control, const Message& m) {
  switch (m.message) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      control.set(skin::kFocused, m.message == WM_SETFOCUS);
      return m.Repainted(m.Previous());
    case WM_ENABLE:
      control.set(skin::kDisabled, m.wParam == FALSE);
      return m.Repainted(m.Previous());
    case WM_MOUSEMOVE:
      if (control.has(skin::kHot) || (m.wParam & MK_LBUTTON)) break;
      {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, m.window, 0};
        TrackMouseEvent(&track);
      }
      control.set(skin::kHot, true);
      return m.Repainted(m.Previous());
    case WM_MOUSELEAVE:
      if (!control.has(skin::kHot)) break;
      control.set(skin::kHot, false);
      return m.Repainted(m.Previous());
    default:
      break;
  }
  return m.Previous();
}

LRESULT CALLBACK SkinProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  SkinnedControl* control = Find(window);
  if (!control) return DefWindowProcA(window, message, wParam, lParam);
  const Message m{window, message, wParam, lParam, control->previousProcedure};

  if (message == WM_DESTROY) {
    const LRESULT result = m.Previous();
    GiveBack(window, false);
    return result;
  }
  if (message == WM_ERASEBKGND) {
    StoreBackground(m);
    control = Find(window);
    if (!control) return m.Previous();
  }

  std::optional<LRESULT> result;
  switch (control->kind) {
    case SkinKind::PushButton:
    case SkinKind::CheckBox:
    case SkinKind::RadioButton:
      result = ButtonMessage(*control, m);
      break;
    case SkinKind::EditBox:
      result = EditBoxMessage(*control, m);
      break;
    case SkinKind::ComboBox:
      result = ComboBoxMessage(*control, m);
      break;
    default:
      break;
  }
  return result ? *result : CommonMessage(*control, m);
}

}  // namespace

int SetSkin(int style) {
  State().style = style;
  if (style >= 1 && style <= 3) {
    SwitchOff();
    SwitchOn();
    return 1;
  }
  return SwitchOff();
}

}  // namespace tarnvel
