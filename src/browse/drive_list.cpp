#include "browse/drive_list.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "browse/working_directory.h"

namespace tarnvel {
namespace {

// The root strings of all logical drives (A:\, C:\, ...) in the system's order.
std::vector<std::string> LogicalDriveRoots() {
  std::string buffer;
  for (DWORD size = GetLogicalDriveStringsA(0, nullptr); size != 0;) {
    buffer.assign(size, '\0');
    const DWORD length = GetLogicalDriveStringsA(size, buffer.data());
    if (length == 0) return {};
    if (length < size) {
      buffer.resize(length);
      break;
    }
    // A drive appeared between the calls: ask again with the new size.
    size = length;
  }
  std::vector<std::string> roots;
  for (std::size_t start = 0; start < buffer.size();) {
    const std::size_t end = std::min(buffer.find('\0', start), buffer.size());
    if (end > start) roots.push_back(buffer.substr(start, end - start));
    start = end + 1;
  }
  return roots;
}

std::string VolumeLabel(const std::string& root) {
  // The system writes at most MAX_PATH + 1 bytes of label.
  std::string label(MAX_PATH + 1, '\0');
  if (!GetVolumeInformationA(root.c_str(), label.data(), static_cast<DWORD>(label.size()),
                             nullptr, nullptr, nullptr, nullptr, 0)) {
    return {};
  }
  label.resize(std::char_traits<char>::length(label.c_str()));
  return label;
}

char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

char DriveLetterOf(const std::string& directory) {
  if (directory.size() >= 2 && directory[1] == ':') return UpperAscii(directory[0]);
  return kNoDriveLetter;
}

std::string DriveEntryText(char letter, unsigned driveType, const std::string& volumeLabel) {
  std::string text{letter, ':'};
  switch (driveType) {
    case DRIVE_FIXED: text += " （硬盘）"; break;
    case DRIVE_REMOTE: text += " （网络驱动器）"; break;
    case DRIVE_CDROM: text += " （光驱）"; break;
    case DRIVE_RAMDISK: text += " （内存虚拟驱动器）"; break;
    default: break;
  }
  if (driveType == DRIVE_FIXED && !volumeLabel.empty()) text += " " + volumeLabel;
  return text;
}

bool DriveList::Create(HWND parent, int controlId) {
  // At least 80 pixels, so that the dropped-down list has room.
  const int height = std::max(record().height, 80);
  if (!CreateChild(parent, controlId, 0, "COMBOBOX", "",
                   RecordStyle() | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_AUTOHSCROLL, height)) {
    return false;
  }
  SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  List();
  return true;
}

void DriveList::List() {
  SendMessageA(hwnd_, CB_RESETCONTENT, 0, 0);
  const char wanted = letter_ ? letter_ : DriveLetterOf(WorkingDirectory());
  LRESULT wantedEntry = CB_ERR;
  for (const std::string& root : LogicalDriveRoots()) {
    const char letter = UpperAscii(root[0]);
    const char typeRoot[] = {letter, ':', '\\', '\0'};
    const UINT type = GetDriveTypeA(typeRoot);
    // Only fixed drives are asked for a label: that touches no removable,
    // optical or network medium.
    const std::string label = type == DRIVE_FIXED ? VolumeLabel(root) : std::string();
    const std::string text = DriveEntryText(letter, type, label);
    const LRESULT entry = SendMessageA(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (entry < 0) continue;
    SendMessageA(hwnd_, CB_SETITEMDATA, entry, static_cast<unsigned char>(letter));
    if (letter == wanted) wantedEntry = entry;
  }
  letter_ = wantedEntry != CB_ERR ? wanted : 0;
  SendMessageA(hwnd_, CB_SETCURSEL, wantedEntry, 0);
}

void DriveList::OnCommand(WORD code) {
  if (code != CBN_SELENDOK) return;
  const LRESULT entry = SendMessageA(hwnd_, CB_GETCURSEL, 0, 0);
  letter_ = entry == CB_ERR ? 0 : static_cast<char>(SendMessageA(hwnd_, CB_GETITEMDATA, entry, 0));
  Raise(Event::DriveChosen);
}

std::string DriveList::currentDrive() const {
  return std::string(1, letter_ ? letter_ : DriveLetterOf(WorkingDirectory()));
}

HBRUSH DriveList::OnCtlColor(HDC dc) { return BlackOnWhite(dc); }

}  // namespace tarnvel
