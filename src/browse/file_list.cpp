#include "browse/file_list.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <ranges>
#include <string_view>
#include <unordered_set>
#include <utility>

#include "browse/folder_read.h"
#include "browse/path_chain.h"
#include "browse/working_directory.h"
#include "shell/fatal_error_text.h"
#include "shell/handles.h"
#include "shell/main_window.h"
#include "shell/runtime.h"

namespace tarnvel {
namespace {

constexpr DWORD kListStyle = WS_VSCROLL | LBS_NOTIFY | LBS_SORT | LBS_NOINTEGRALHEIGHT;

bool IsLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }

std::uint64_t LocalWriteTime(const FILETIME& utc) {
  FILETIME local;
  if (!FileTimeToLocalFileTime(&utc, &local)) local = utc;
  return (std::uint64_t{local.dwHighDateTime} << 32) | local.dwLowDateTime;
}

// The names of the files under `base` that the settings list, in the order
// the directory search meets them.
std::vector<std::string> FindFiles(const std::string& base, const ListingSettings& settings) {
  const std::vector<std::string> patterns = PatternList(settings.pattern);
  const bool bounded = settings.earliest != 0 || settings.latest != 0;
  // One search never returns a name twice; only several patterns can meet a
  // file more than once.
  const bool mayRepeat = patterns.size() > 1;
  std::unordered_set<std::string> seen;
  std::vector<std::string> names;
  for (const std::string& pattern : patterns) {
    for (const FolderEntry& entry : ReadFolder(base + pattern).value_or(std::vector<FolderEntry>{})) {
      const std::uint64_t writeTime = bounded ? LocalWriteTime(entry.lastWrite) : 0;
      if (!IsListed(settings, entry.attributes, writeTime)) continue;
      if (mayRepeat && !seen.insert(entry.name).second) continue;
      names.push_back(entry.name);
    }
  }
  return names;
}

// The list box's own comparison: CompareStringA of the user's locale, case ignored.
bool ListBoxLess(const std::string& a, const std::string& b) {
  return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()),
                        b.data(), static_cast<int>(b.size())) == CSTR_LESS_THAN;
}

// The order in which the sorted list box holds `names`: order[k] is the
// index of its k-th entry. Sorting by LCMapStringA sort keys gives that
// order several times faster than comparing the strings; one pass of the
// list box's own comparison over neighbours proves it, and a name on which
// the two disagree sends the sort back to that comparison.
std::vector<std::uint32_t> ListBoxOrder(const std::vector<std::string>& names) {
  constexpr DWORD kFlags = LCMAP_SORTKEY | NORM_IGNORECASE;
  std::string keys;
  std::vector<std::uint32_t> ends(names.size());
  for (std::size_t i = 0; i < names.size(); ++i) {
    const std::string& name = names[i];
    const std::size_t start = keys.size();
    // A guess that fits every key seen; asked for the size only when not.
    keys.resize(start + 8 * name.size() + 32);
    int length = LCMapStringA(LOCALE_USER_DEFAULT, kFlags, name.data(), static_cast<int>(name.size()),
                              keys.data() + start, static_cast<int>(keys.size() - start));
    if (length == 0) {
      length = LCMapStringA(LOCALE_USER_DEFAULT, kFlags, name.data(),
                            static_cast<int>(name.size()), nullptr, 0);
      keys.resize(start + length);
      length = LCMapStringA(LOCALE_USER_DEFAULT, kFlags, name.data(),
                            static_cast<int>(name.size()), keys.data() + start, length);
    }
    keys.resize(start + length);
    ends[i] = static_cast<std::uint32_t>(keys.size());
  }
  const auto key = [&](std::uint32_t i) {
    const std::uint32_t start = i == 0 ? 0 : ends[i - 1];
    return std::string_view(keys).substr(start, ends[i] - start);
  };

  std::vector<std::uint32_t> order(names.size());
  std::iota(order.begin(), order.end(), 0u);
  std::stable_sort(order.begin(), order.end(),
                   [&](std::uint32_t a, std::uint32_t b) { return key(a) < key(b); });
  for (std::size_t k = 1; k < order.size(); ++k) {
    if (ListBoxLess(names[order[k]], names[order[k - 1]])) {
      std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        return ListBoxLess(names[a], names[b]);
      });
      break;
    }
  }
  return order;
}

}  // namespace

bool FileList::Create(HWND parent, int controlId) {
  RECT rect{record().x, record().y, record().x + record().width, record().y + record().height};
  hwnd_ = CreateListWindow(parent, controlId, RecordStyle(), WS_EX_CLIENTEDGE, rect,
                           static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
  if (!hwnd_) return false;
  List();
  return true;
}

HWND FileList::CreateListWindow(HWND parent, int controlId, DWORD style, DWORD exStyle,
                                const RECT& rect, HFONT font) const {
  if (multipleSelection_) style |= LBS_EXTENDEDSEL;
  HWND list = CreateWindowExA(exStyle, "LISTBOX", "", style | kListStyle, rect.left, rect.top,
                              rect.right - rect.left, rect.bottom - rect.top, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)),
                              owner().runtime().instance(), nullptr);
  if (!list) return nullptr;
  SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  const LRESULT height = SendMessageA(list, LB_GETITEMHEIGHT, 0, 0);
  if (height != LB_ERR) SendMessageA(list, LB_SETITEMHEIGHT, 0, height + 2);
  return list;
}

HBRUSH FileList::OnCtlColor(HDC dc) { return BlackOnWhite(dc); }

void FileList::OnCommand(WORD code) {
  if (code == LBN_SELCHANGE) RebuildSelection();
}

void FileList::SetDirectory(std::string directory) {
  directory_ = std::move(directory);
  List();
}

void FileList::SetMultipleSelection(bool on) {
  if (on == multipleSelection_) return;
  HWND old = hwnd_;
  HWND parent = GetParent(old);
  RECT rect;
  GetWindowRect(old, &rect);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  const auto oldStyle = static_cast<DWORD>(GetWindowLongA(old, GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(GetWindowLongA(old, GWL_EXSTYLE));
  const auto font = reinterpret_cast<HFONT>(SendMessageA(old, WM_GETFONT, 0, 0));

  multipleSelection_ = on;
  // The replacement has no tab stop of its own.
  HWND fresh = CreateListWindow(parent, GetDlgCtrlID(old),
                                WS_CHILD | WS_CLIPSIBLINGS | (oldStyle & WS_DISABLED), exStyle,
                                rect, font);
  if (!fresh) {
    multipleSelection_ = !on;
    return;
  }
  SetWindowPos(fresh, old, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  hwnd_ = fresh;
  directory_.clear();
  selection_.clear();
  List();
  if (oldStyle & WS_VISIBLE) ShowWindow(fresh, SW_SHOWNA);
  if (GetFocus() == old) SetFocus(fresh);
  DestroyWindow(old);
}

void FileList::List() {
  RedrawOff redrawOff(hwnd_);
  SendMessageA(hwnd_, LB_RESETCONTENT, 0, 0);
  const std::vector<std::string> listed = std::exchange(entries_, {});
  if (directory_.empty()) {
    std::string working = WorkingDirectory();
    if (working.empty()) return;
    directory_ = std::move(working);
  }

  std::vector<std::string> names = FindFiles(SearchBase(directory_, IsLeadByte), settings_);
  // The order depends on the names alone: a listing that finds the names of
  // the last one, in the same search order, takes its order instead of
  // sorting again (as start-up does when the window is replaced).
  const bool sameNames =
      names.size() == listed.size() && names.size() == order_.size() &&
      std::ranges::all_of(std::views::iota(std::size_t{0}, names.size()),
                          [&](std::size_t k) { return names[order_[k]] == listed[k]; });
  const std::vector<std::uint32_t> order = sameNames ? order_ : ListBoxOrder(names);

  std::size_t bytes = 0;
  for (const std::string& name : names) bytes += name.size() + 1;
  SendMessageA(hwnd_, LB_INITSTORAGE, names.size(), static_cast<LPARAM>(bytes));
  // In the list box's own order each name belongs at the end, so the
  // insertion skips the search for its place that LB_ADDSTRING would make.
  std::vector<std::uint32_t> position(names.size());
  entries_.reserve(names.size());
  for (std::uint32_t k = 0; k < order.size(); ++k) {
    std::string& name = names[order[k]];
    if (SendMessageA(hwnd_, LB_INSERTSTRING, k, reinterpret_cast<LPARAM>(name.c_str())) ==
        LB_ERRSPACE) {
      owner().runtime().Fatal(OutOfMemoryMessage(name.size() + 1));
    }
    position[order[k]] = k;
    entries_.push_back(std::move(name));
  }
  order_ = order;

  // Entries whose names were selected before come up selected again, in the
  // order the search met them; case is ignored. The previous selection is
  // its text cut at every ";".
  std::unordered_set<std::string> previous;
  for (const std::string& selected : selection_) {
    for (std::string_view part : SplitAtSemicolons(selected)) {
      previous.insert(CaseFoldKey(part, IsLeadByte));
    }
  }
  selection_.clear();
  if (previous.empty()) return;
  for (std::uint32_t i = 0; i < position.size(); ++i) {
    const std::string& name = entries_[position[i]];
    if (!previous.contains(CaseFoldKey(name, IsLeadByte))) continue;
    if (multipleSelection_) {
      SendMessageA(hwnd_, LB_SETSEL, TRUE, position[i]);
    } else {
      SendMessageA(hwnd_, LB_SETCURSEL, position[i], 0);
    }
    selection_.push_back(name);
    if (!multipleSelection_) break;
  }
}

void FileList::RebuildSelection() {
  selection_.clear();
  if (SendMessageA(hwnd_, LB_GETCOUNT, 0, 0) <= 0) return;
  if (!multipleSelection_) {
    const LRESULT current = SendMessageA(hwnd_, LB_GETCURSEL, 0, 0);
    if (current >= 0 && static_cast<std::size_t>(current) < entries_.size()) {
      selection_.push_back(entries_[static_cast<std::size_t>(current)]);
    }
    return;
  }
  const LRESULT count = SendMessageA(hwnd_, LB_GETSELCOUNT, 0, 0);
  if (count <= 0) return;
  std::vector<int> items(static_cast<std::size_t>(count));
  const LRESULT got =
      SendMessageA(hwnd_, LB_GETSELITEMS, count, reinterpret_cast<LPARAM>(items.data()));
  items.resize(got == LB_ERR ? 0 : static_cast<std::size_t>(got));
  selection_.reserve(items.size());
  for (int item : items) {
    if (item >= 0 && static_cast<std::size_t>(item) < entries_.size()) {
      selection_.push_back(entries_[static_cast<std::size_t>(item)]);
    }
  }
}

}  // namespace tarnvel
