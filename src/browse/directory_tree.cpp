#include "browse/directory_tree.h"

#include <commctrl.h>
#include <windowsx.h>

#include <optional>
#include <string>
#include <vector>

#include "browse/folder_read.h"
#include "browse/path_chain.h"
#include "browse/tree_sort_order.h"
#include "browse/working_directory.h"
#include "resources/resource_ids.h"
#include "shell/main_window.h"
#include "shell/runtime.h"

namespace tarnvel {
namespace {

constexpr COLORREF kPictureMask = RGB(255, 0, 255);
constexpr int kPictureWidth = 16;

bool IsLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != 0; }

// Thin wrappers over the tree view's messages.

// TVM_INSERTITEMA: the new item's handle, null on failure.
HTREEITEM InsertLast(HWND tree, HTREEITEM parent, const std::string& text, int picture,
                     int selectedPicture) {
  TVINSERTSTRUCTA insert{};
  insert.hParent = parent;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  insert.item.pszText = const_cast<char*>(text.c_str());
  insert.item.iImage = picture;
  insert.item.iSelectedImage = selectedPicture;
  return reinterpret_cast<HTREEITEM>(
      SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

// TVM_GETNEXTITEM: the related item, null when there is none.
HTREEITEM Related(HWND tree, HTREEITEM item, UINT relation) {
  return reinterpret_cast<HTREEITEM>(
      SendMessageA(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

// TVM_GETITEMA copies at most the buffer's size: grow it until the text fits.
std::string ItemText(HWND tree, HTREEITEM item) {
  std::string text(MAX_PATH, '\0');
  for (;;) {
    TVITEMA request{};
    request.mask = TVIF_TEXT | TVIF_HANDLE;
    request.hItem = item;
    request.pszText = text.data();
    request.cchTextMax = static_cast<int>(text.size());
    if (!SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&request))) return {};
    const std::size_t length = std::char_traits<char>::length(text.c_str());
    if (length + 1 < text.size()) {
      text.resize(length);
      return text;
    }
    text.assign(text.size() * 2, '\0');
  }
}

struct Pictures {
  int normal = -1;
  int selected = -1;
};

Pictures ItemPictures(HWND tree, HTREEITEM item) {
  TVITEMA request{};
  request.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_HANDLE;
  request.hItem = item;
  if (!SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&request))) return {};
  return {request.iImage, request.iSelectedImage};
}

void SetItemPictures(HWND tree, HTREEITEM item, Pictures pictures) {
  TVITEMA change{};
  change.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_HANDLE;
  change.hItem = item;
  change.iImage = pictures.normal;
  change.iSelectedImage = pictures.selected;
  SendMessageA(tree, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&change));
}

bool IsExpanded(HWND tree, HTREEITEM item) {
  return (SendMessageA(tree, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_EXPANDED) &
          TVIS_EXPANDED) != 0;
}

// TVM_EXPAND: false when nothing was expanded or collapsed (an item
// without children does not expand).
bool Expand(HWND tree, HTREEITEM item, UINT action) {
  return SendMessageA(tree, TVM_EXPAND, action, reinterpret_cast<LPARAM>(item)) != 0;
}

void DeleteItem(HWND tree, HTREEITEM item) {
  SendMessageA(tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(item));
}

// Deletes the siblings of `item` and gives the item that stands alone in
// their place. The tree view looks up every item it is handed in a list of
// all items, so deleting siblings one by one is quadratic: empty the
// parent at once and put the item back as its only child instead.
HTREEITEM DropSiblings(HWND tree, HTREEITEM item) {
  HTREEITEM parent = Related(tree, item, TVGN_PARENT);
  if (!parent || (!Related(tree, item, TVGN_PREVIOUS) && !Related(tree, item, TVGN_NEXT))) return item;
  const std::string text = ItemText(tree, item);
  // Scrolled to the parent first: some tree views lose their place when
  // the top visible item is among the deleted ones.
  SendMessageA(tree, TVM_SELECTITEM, TVGN_FIRSTVISIBLE, reinterpret_cast<LPARAM>(parent));
  Expand(tree, parent, TVE_COLLAPSE | TVE_COLLAPSERESET);
  HTREEITEM alone = InsertLast(tree, parent, text, kOpenFolder, kOpenFolderSelected);
  Expand(tree, parent, TVE_EXPAND);
  SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(alone));
  return alone;
}

// The item at a mouse message's client position, null beside the items.
HTREEITEM ItemAt(HWND tree, LPARAM position) {
  TVHITTESTINFO hit{};
  hit.pt = {GET_X_LPARAM(position), GET_Y_LPARAM(position)};
  return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
}

bool IsFolder(const FolderEntry& entry) {
  if (!(entry.attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
  return entry.name != "." && entry.name != "..";
}

}  // namespace

DirectoryTree::~DirectoryTree() {
  if (treeWindowProc_ && IsWindow(hwnd_)) {
    SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(treeWindowProc_));
  }
}

bool DirectoryTree::Create(HWND parent, int controlId) {
  if (!CreateChild(parent, controlId, WS_EX_CLIENTEDGE, WC_TREEVIEWA, "",
                   RecordStyle() | TVS_DISABLEDRAGDROP | TVS_SHOWSELALWAYS)) {
    return false;
  }
  SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  // Enter reaches the tree view as a key message, not as a notification:
  // look at it, and at double-clicks, before the tree view does.
  SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  treeWindowProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(TreeWindowProc)));
  Rebuild();
  return true;
}

LRESULT CALLBACK DirectoryTree::TreeWindowProc(HWND window, UINT message, WPARAM wParam,
                                               LPARAM lParam) {
  auto* self = reinterpret_cast<DirectoryTree*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  const WNDPROC original = self->treeWindowProc_;
  if (message == WM_KEYDOWN && wParam == VK_RETURN) {
    self->ChooseSelected();
    // The tree view handles Enter after the choice as it would without it.
  } else if (message == WM_LBUTTONDBLCLK) {
    // A double-click beside the items acts on the highlighted item. Some
    // tree views send no NM_DBLCLK for it: choose here if none came.
    self->doubleClickNotified_ = false;
    const LRESULT result = CallWindowProcA(original, window, message, wParam, lParam);
    if (!self->doubleClickNotified_ && !ItemAt(window, lParam)) self->ChooseSelected();
    return result;
  }
  return CallWindowProcA(original, window, message, wParam, lParam);
}

LRESULT DirectoryTree::OnNotify(const NMHDR& header) {
  if (header.code != NM_DBLCLK) return 0;
  doubleClickNotified_ = true;
  ChooseSelected();
  // Handled: the tree view does not toggle the item's expansion as well.
  return 1;
}

void DirectoryTree::SetDirectory(std::string directory) {
  directory_ = std::move(directory);
  Rebuild();
}

void DirectoryTree::Rebuild() {
  if (!pictures_) {
    pictures_.reset(ImageList_LoadImageA(owner().runtime().instance(),
                                         MAKEINTRESOURCEA(kBitmapFolders), kPictureWidth, 0,
                                         kPictureMask, IMAGE_BITMAP, 0));
  }
  RedrawOff redrawOff(hwnd_);
  SendMessageA(hwnd_, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
  if (directory_.empty()) {
    directory_ = WorkingDirectory();
    if (directory_.empty()) return;
  }
  SendMessageA(hwnd_, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(pictures_.get()));

  std::vector<HTREEITEM> chain;
  for (const std::string& piece : SplitPathChain(directory_, IsLeadByte)) {
    HTREEITEM parent = chain.empty() ? TVI_ROOT : chain.back();
    HTREEITEM item = InsertLast(hwnd_, parent, piece, kOpenFolder, kOpenFolderSelected);
    if (!item) break;
    chain.push_back(item);
  }
  if (chain.empty()) return;
  for (HTREEITEM item : chain) Expand(hwnd_, item, TVE_EXPAND);
  SendMessageA(hwnd_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(chain.back()));
  ListSubfolders(chain.back());
}

void DirectoryTree::ChooseSelected() {
  HTREEITEM item = Related(hwnd_, nullptr, TVGN_CARET);
  if (!item) return;

  RedrawOff redrawOff(hwnd_);
  if (IsExpanded(hwnd_, item)) {
    if (HTREEITEM child = Related(hwnd_, item, TVGN_CHILD)) {
      const Pictures pictures = ItemPictures(hwnd_, child);
      // Its subfolders are listed already: it is the directory.
      if (pictures.normal == kClosedFolder || pictures.selected == kClosedFolderSelected) return;
      // A chain item higher up: cut the chain below it.
      DeleteItem(hwnd_, child);
    }
  } else {
    // A subfolder, or the directory without subfolders: it becomes the end
    // of the chain and its siblings go.
    SetItemPictures(hwnd_, item, {kOpenFolder, kOpenFolderSelected});
    item = DropSiblings(hwnd_, item);
  }

  std::vector<std::string> pieces;
  for (HTREEITEM at = item; at; at = Related(hwnd_, at, TVGN_PARENT)) {
    pieces.insert(pieces.begin(), ItemText(hwnd_, at));
  }
  directory_ = JoinPathChain(pieces);
  Raise(Event::FolderChosen);
  ListSubfolders(item);
}

void DirectoryTree::ListSubfolders(HTREEITEM item) {
  const std::optional<std::vector<FolderEntry>> entries =
      ReadFolder(SearchBase(directory_, IsLeadByte) + "*.*");
  if (!entries) return;
  std::vector<std::string> folders;
  for (const FolderEntry& entry : *entries) {
    if (IsFolder(entry)) folders.push_back(entry.name);
  }

  SortLikeTreeView(folders);
  for (const std::string& folder : folders) {
    InsertLast(hwnd_, item, folder, kClosedFolder, kClosedFolderSelected);
  }
  Expand(hwnd_, item, TVE_EXPAND);
}

}  // namespace tarnvel
