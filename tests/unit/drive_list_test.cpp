#include "browse/drive_list.h"

#include <gtest/gtest.h>

#include <string>

#include "browse/directory_tree.h"
#include "shell/window_template.h"
#include "support/app_fixture.h"
#include "support/fixture_folder.h"

namespace tarnvel {
namespace {

using test::BuiltWindow;
using test::FixtureFolder;

int g_driveEvents = 0;

constexpr Binding kCountingBindings[] = {
    {names::kDriveList1, Event::DriveChosen, [](MainWindow&, EventArgs&) { ++g_driveEvents; }},
};

TEST(DriveLetterOf, TakesTheLetterBeforeAColon) {
  struct Case {
    const char* directory;
    char letter;
  };
  for (const Case& c : {Case{"C:\\Users", 'C'}, Case{"d:\\", 'D'}, Case{"e:", 'E'},
                        Case{"\\\\server\\share\\x", kNoDriveLetter}, Case{"\\\\?\\C:\\x", kNoDriveLetter},
                        Case{"C", kNoDriveLetter}, Case{"", kNoDriveLetter}}) {
    EXPECT_EQ(DriveLetterOf(c.directory), c.letter) << c.directory;
  }
}

TEST(DriveEntryText, LabelsByDriveType) {
  struct Case {
    char letter;
    unsigned type;
    const char* label;
    const char* text;
  };
  for (const Case& c : {Case{'C', DRIVE_FIXED, "SYS", "C: （硬盘） SYS"},
                        Case{'E', DRIVE_FIXED, "", "E: （硬盘）"},
                        Case{'A', DRIVE_REMOVABLE, "", "A:"},
                        Case{'D', DRIVE_CDROM, "", "D: （光驱）"},
                        Case{'Z', DRIVE_REMOTE, "", "Z: （网络驱动器）"},
                        Case{'R', DRIVE_RAMDISK, "", "R: （内存虚拟驱动器）"},
                        Case{'Q', DRIVE_UNKNOWN, "", "Q:"},
                        // Only a fixed drive shows its label.
                        Case{'D', DRIVE_CDROM, "DISC", "D: （光驱）"}}) {
    EXPECT_EQ(DriveEntryText(c.letter, c.type, c.label), c.text);
  }
}

// The entry whose item data is `letter`, or -1.
LRESULT EntryOf(HWND combo, char letter) {
  const LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    if (SendMessageA(combo, CB_GETITEMDATA, i, 0) == letter) return i;
  }
  return -1;
}

// The user confirms the entry of `letter` in the dropped-down list.
void Confirm(MainWindow& window, HWND combo, char letter) {
  SendMessageA(combo, CB_SETCURSEL, EntryOf(combo, letter), 0);
  SendMessageA(window.hwnd(), WM_COMMAND, MAKEWPARAM(ControlIdAt(3), CBN_SELENDOK),
               reinterpret_cast<LPARAM>(combo));
}

TEST(DriveListChoice, EveryConfirmedChoiceRaisesTheEvent) {
  FixtureFolder folder;
  BuiltWindow window(folder, kCountingBindings);
  auto& drives = window->Get<DriveList>(names::kDriveList1);
  g_driveEvents = 0;

  // The working directory's drive is selected at start.
  EXPECT_EQ(SendMessageA(drives.hwnd(), CB_GETCURSEL, 0, 0), EntryOf(drives.hwnd(), 'C'));
  EXPECT_EQ(drives.currentDrive(), "C");

  Confirm(window.window(), drives.hwnd(), 'Z');
  EXPECT_EQ(drives.currentDrive(), "Z");
  EXPECT_EQ(g_driveEvents, 1);
  Confirm(window.window(), drives.hwnd(), 'Z');
  EXPECT_EQ(g_driveEvents, 2);

  // Setting the selection from code raises nothing.
  SendMessageA(drives.hwnd(), CB_SETCURSEL, EntryOf(drives.hwnd(), 'C'), 0);
  EXPECT_EQ(g_driveEvents, 2);
}

TEST(DriveListNavigation, ChosenDriveSendsTheTreeToItsRoot) {
  FixtureFolder folder;
  folder.AddFolder("A");
  BuiltWindow window(folder);
  auto& drives = window->Get<DriveList>(names::kDriveList1);
  auto& tree = window->Get<DirectoryTree>(names::kDirectoryTree1);
  tree.SetDirectory(folder.PathOf("A"));

  // The drive already chosen, from deep down.
  Confirm(window.window(), drives.hwnd(), 'C');
  EXPECT_EQ(tree.directory(), "C:\\");
}

}  // namespace
}  // namespace tarnvel
