// 文件框1: the sorted list box of the file names of one folder, with its
// directory and the selection text that joins the selected names with ";".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "browse/file_list_rules.h"
#include "shell/control.h"

namespace tarnvel {

class FileList : public Control {
 public:
  using Control::Control;
  // Creates the list box and lists the working directory.
  bool Create(HWND parent, int controlId) override;
  // LBN_SELCHANGE rebuilds the selection from the entries selected now.
  void OnCommand(WORD code) override;
  HBRUSH OnCtlColor(HDC dc) override;

  // Stores the directory as given and lists it at once. Empty stands for
  // the working directory; "D:" and "D:\" both name the drive's root.
  void SetDirectory(std::string directory);
  const std::string& Directory() const { return directory_; }

  // The selected names joined by ";" in list order, as they stood at the
  // last selection-changed notification or listing.
  std::string SelectionText() const { return JoinNames(selection_, ";"); }
  // The same names one by one: a name that holds ";" stays whole here.
  const std::vector<std::string>& SelectedNames() const { return selection_; }

  // Switching replaces the list window by one with or without extended
  // selection, which lists the working directory afresh.
  void SetMultipleSelection(bool on);
  bool MultipleSelection() const { return multipleSelection_; }

  // LB_SETSEL over every entry; the selection text stays as it was. The
  // list box refuses to select all without multiple selection.
  void SelectAll() { SendMessageA(hwnd_, LB_SETSEL, TRUE, -1); }
  void ClearSelection() { SendMessageA(hwnd_, LB_SETSEL, FALSE, -1); }

 private:
  // A list box window with the font and the item height 2 pixels above the
  // font's; extended selection while multiple selection is on.
  HWND CreateListWindow(HWND parent, int controlId, DWORD style, DWORD exStyle, const RECT& rect,
                        HFONT font) const;
  void List();
  void RebuildSelection();

  ListingSettings settings_;
  bool multipleSelection_ = false;
  std::string directory_;
  // The list box's entries in its order, as the directory search gave them:
  // the selection is read from here rather than item by item from the box.
  std::vector<std::string> entries_;
  // order_[k]: the place in the search's order of the k-th entry.
  std::vector<std::uint32_t> order_;
  std::vector<std::string> selection_;
};

}  // namespace tarnvel
