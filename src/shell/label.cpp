#include "shell/label.h"

#include <string>

#include "shell/main_window.h"
#include "shell/runtime.h"

namespace tarnvel {
namespace {

constexpr char kLabelClass[] = "TarnvelLabel";

HFONT CreateLabelFont() {
  LOGFONTA font{};
  font.lfHeight = -20;
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = PROOF_QUALITY;
  font.lfPitchAndFamily = DEFAULT_PITCH;
  constexpr std::string_view face = "宋体";
  face.copy(font.lfFaceName, face.size());
  return CreateFontIndirectA(&font);
}

}  // namespace

bool Label::Create(HWND parent, int controlId) {
  if (!RegisterRuntimeClass(owner().runtime().instance(), kLabelClass, WindowProc)) return false;
  font_.reset(CreateLabelFont());
  const std::string text(record().text);
  if (!CreateChild(parent, controlId, 0, kLabelClass, text.c_str(), RecordStyle())) return false;
  SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  return true;
}

LRESULT CALLBACK Label::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<Label*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self && message == WM_PAINT) {
    self->OnPaint();
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

void Label::OnPaint() {
  PaintDc paint(hwnd_);
  RECT client;
  GetClientRect(hwnd_, &client);
  FillRect(paint.get(), &client, GetSysColorBrush(COLOR_BTNFACE));

  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(hwnd_)) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(hwnd_, text.data(), static_cast<int>(text.size()))));

  SelectedObject font(paint.get(), font_.get());
  SetTextColor(paint.get(), RGB(0, 0, 0));
  SetBkMode(paint.get(), TRANSPARENT);
  DrawTextA(paint.get(), text.c_str(), static_cast<int>(text.size()), &client,
            DT_NOCLIP | DT_LEFT | DT_SINGLELINE | DT_VCENTER);
}

}  // namespace tarnvel
