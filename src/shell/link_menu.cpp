#include "shell/link_menu.h"

#include <algorithm>

#include <shellapi.h>

#include "shell/main_window.h"

namespace tarnvel {
namespace {

// Scheme and host of the maker's site; the pages are paths on it.
constexpr std::string_view kSiteAddress = "http://www.tarnvel.example";
// A running browser of this title becomes the owner of the shell call.
constexpr char kBrowserTitle[] = "Microsoft Internet Explorer";
constexpr std::string_view kSeparatorCaption = "-";
// The menu opens this far right of and below the pointer, so the pointer
// rests outside it and no item is highlighted at once.
constexpr int kPointerOffset = 3;

// The position just after the last entry under table[entry].
std::size_t EndOfEntriesUnder(std::span<const MenuEntry> table, std::size_t entry) {
  std::size_t end = entry + 1;
  while (end < table.size() && table[end].level > table[entry].level) ++end;
  return end;
}

bool HasEntriesUnder(std::span<const MenuEntry> table, std::size_t entry) {
  return EndOfEntriesUnder(table, entry) > entry + 1;
}

// Appends table[position] to `menu`, with everything under it; false when
// an item cannot be added. A hidden entry is left out with its entries.
bool AppendEntry(HMENU menu, std::span<const MenuEntry> table, std::size_t position) {
  const MenuEntry& item = table[position];
  if (item.flags & kMenuHidden) return true;
  if (item.caption == kSeparatorCaption) return AppendMenuA(menu, MF_SEPARATOR, 0, nullptr) != FALSE;
  UINT flags = MF_STRING;
  if (item.flags & kMenuDisabled) flags |= MF_GRAYED;
  if (item.flags & kMenuTicked) flags |= MF_CHECKED;
  const std::string caption(item.caption);
  if (HasEntriesUnder(table, position)) {
    UniqueMenu subMenu = BuildPopUpMenu(table, position);
    if (!subMenu) return false;
    if (!AppendMenuA(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(subMenu.get()),
                     caption.c_str())) {
      return false;
    }
    subMenu.release();  // destroyed with the menu that holds it
    return true;
  }
  const UINT_PTR command = static_cast<UINT_PTR>(kFirstCommand) + position;
  return AppendMenuA(menu, flags, command, caption.c_str()) != FALSE;
}

// Appends the entries in [first, end) that stand directly at their level.
bool AppendEntries(HMENU menu, std::span<const MenuEntry> table, std::size_t first,
                   std::size_t end) {
  for (std::size_t position = first; position < end;
       position = EndOfEntriesUnder(table, position)) {
    if (!AppendEntry(menu, table, position)) return false;
  }
  return true;
}

}  // namespace

UniqueMenu BuildPopUpMenu(std::span<const MenuEntry> table, std::size_t entry) {
  if (entry >= table.size() || !HasEntriesUnder(table, entry)) return {};
  UniqueMenu menu(CreatePopupMenu());
  if (!menu || !AppendEntries(menu.get(), table, entry + 1, EndOfEntriesUnder(table, entry))) {
    return {};
  }
  return menu;
}

UniqueMenu BuildMenuBar(std::span<const MenuEntry> table) {
  UniqueMenu bar(CreateMenu());
  if (!bar || !AppendEntries(bar.get(), table, 0, table.size())) return {};
  if (GetMenuItemCount(bar.get()) <= 0) return {};
  return bar;
}

void PopUpMenu(MainWindow& window, std::string_view entry, std::optional<int> x,
               std::optional<int> y) {
  if (!window.exists()) return;
  const auto found = std::ranges::find(kMenuTable, entry, &MenuEntry::caption);
  if (found == kMenuTable.end()) return;
  const UniqueMenu menu =
      BuildPopUpMenu(kMenuTable, static_cast<std::size_t>(found - kMenuTable.begin()));
  if (!menu) return;

  POINT pointer{};
  GetCursorPos(&pointer);
  // Either button chooses; the window is not brought to the foreground.
  // Returns when the menu closes; a choice arrives later as a posted WM_COMMAND.
  TrackPopupMenu(menu.get(), TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN,
                 x.value_or(pointer.x + kPointerOffset), y.value_or(pointer.y + kPointerOffset),
                 0, window.hwnd(), nullptr);
}

void PopUpLinkMenu(MainWindow& window) { PopUpMenu(window, names::kMenu); }

void ExitProgram(MainWindow& window) { window.Destroy(); }

std::string PageAddress(std::string_view path) {
  std::string address(kSiteAddress);
  address += path;
  return address;
}

void OpenWebPage(const std::string& address) {
  HWND browser = FindWindowExA(nullptr, nullptr, nullptr, kBrowserTitle);
  ShellExecuteA(browser, "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace tarnvel
