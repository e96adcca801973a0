// The skin's drawing of each kind of control. Every paint is built in a
// memory bitmap and copied onto its target in one BitBlt.
#pragma once

#include <windows.h>

#include "skin/skin_palette.h"
#include "skin/skinned_control.h"

namespace tarnvel::skin {

// Where a paint goes: the window itself (no DC), or a DC handed over with
// WM_PRINT (origin at the window's top-left corner) or WM_PRINTCLIENT
// (origin at the client area's).
struct PaintTarget {
  HDC dc = nullptr;
  bool clientOrigin = false;
};

void PaintControl(const SkinnedControl& control, const Palette& palette, PaintTarget target = {});

}  // namespace tarnvel::skin
