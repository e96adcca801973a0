// The clipboard copy and its parts: reading the list file, its text up to
// the first zero byte, the relay through 编辑框1 and the clipboard itself.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "export/clipboard_copy.h"
#include "export/read_file.h"
#include "shell/edit_box.h"
#include "shell/handles.h"
#include "shell/main_window.h"
#include "shell/runtime.h"
#include "shell/window_template.h"
#include "support/app_fixture.h"

namespace tarnvel::test {
namespace {

using namespace std::string_literals;

// The clipboard's CF_TEXT up to and including its first zero byte, as
// another program reads it; none when it holds no CF_TEXT.
std::optional<std::string> ClipboardText() {
  if (!OpenClipboard(nullptr)) return std::nullopt;
  std::optional<std::string> text;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    GlobalLockGuard lock(data);
    const char* bytes = static_cast<const char*>(lock.data());
    const SIZE_T size = GlobalSize(data);
    const void* zero = std::memchr(bytes, 0, size);
    text.emplace(bytes, zero ? static_cast<const char*>(zero) - bytes + 1 : size);
  }
  CloseClipboard();
  return text;
}

HWND Owner() { return Runtime::Current()->ownerWindow(); }

// The windows here are built without bindings, so the created event leaves
// the skin off: switched on again for a second window of the same process,
// the skin gives each control back the procedure it had when the skin took
// it over, which would drop the relay of a 编辑框1 taken over at its creation.
// The program switches the skin on once, after 编辑框1 exists.
constexpr std::span<const Binding> kNoBindings;

// Texts that the system's edit control would change or be slow with.
const std::string kAwkwardTexts[] = {
    ""s,
    "a.txt\r\nb.txt"s,
    "\xC3\xFB\xD7\xD6.txt\r\n\xB1\xED\x5C.txt"s,  // GBK names, one with a 0x5C trail byte
    "\x81"s,                                     // a lone lead byte
    "a\x81\x7F" "b"s,                            // a lead byte before an invalid trail byte
    "\xFF\x80\xFE"s,
    "ends on a lead byte \x81"s,
    "\r\r\n\n\t"s,
};

std::string AllNonZeroBytes() {
  std::string bytes;
  for (int i = 1; i < 256; ++i) bytes.push_back(static_cast<char>(i));
  return bytes;
}

TEST(BytesToText, KeepsTheBytesBeforeTheFirstZero) {
  const std::pair<std::string, std::string> cases[] = {
      {""s, ""s},
      {"A"s, "A"s},
      {"A\0B"s, "A"s},
      {"\0AB"s, ""s},
      {"AB\0"s, "AB"s},
      {"A\0\0B\0"s, "A"s},
      {AllNonZeroBytes(), AllNonZeroBytes()},
      {"\xEF\xBB\xBFno BOM handling\r\n"s, "\xEF\xBB\xBFno BOM handling\r\n"s},
  };
  for (const auto& [bytes, text] : cases) EXPECT_EQ(BytesToText(bytes), text);
}

TEST(ReadFileBytes, GivesTheWholeContentOrNothing) {
  FixtureFolder folder;
  const std::string content = "a.txt\r\n\0\xFF" "b.txt"s;
  folder.AddFile("list.txt", content);
  folder.AddFile("empty.txt");
  folder.AddFolder("folder.txt");
  EXPECT_EQ(ReadFileBytes(folder.PathOf("list.txt")), content);
  EXPECT_EQ(ReadFileBytes(folder.PathOf("empty.txt")), "");
  EXPECT_EQ(ReadFileBytes(folder.PathOf("missing.txt")), "");
  EXPECT_EQ(ReadFileBytes(folder.PathOf("folder.txt")), "");
}

TEST(ReadFileBytes, ReadsBesideReadersButNotBesideAWriter) {
  FixtureFolder folder;
  folder.AddFile("list.txt", "names");
  const std::string path = folder.PathOf("list.txt");
  {
    UniqueFile reader(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(reader);
    EXPECT_EQ(ReadFileBytes(path), "names") << "another reader";
  }
  {
    UniqueFile writer(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(writer);
    EXPECT_EQ(ReadFileBytes(path), "") << "a writer";
  }
  {
    UniqueFile exclusive(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(exclusive);
    EXPECT_EQ(ReadFileBytes(path), "") << "an opener without read sharing";
  }
}

TEST(EditBoxRelay, GivesBackExactlyTheTextSet) {
  FixtureFolder folder;
  BuiltWindow window(folder, kNoBindings);
  const auto& editBox = window->Get<EditBox>(names::kEditBox1);
  std::string long10MB;
  while (long10MB.size() < 10'000'000) long10MB += "file \x81\x7F\xC3\xFB.txt\r\n";
  std::vector<std::string> texts(std::begin(kAwkwardTexts), std::end(kAwkwardTexts));
  texts.push_back(AllNonZeroBytes());
  texts.push_back(long10MB);
  for (const std::string& text : texts) {
    editBox.SetText(text);
    EXPECT_EQ(GetWindowTextLengthA(editBox.hwnd()), static_cast<int>(text.size()));
    EXPECT_TRUE(editBox.Text() == text) << "text of " << text.size() << " bytes: " << text.substr(0, 40);
  }
}

TEST(EditBoxRelay, AnswersTheWindowTextMessagesLikeAnEditControl) {
  FixtureFolder folder;
  BuiltWindow window(folder, kNoBindings);
  HWND editBox = window->Find(names::kEditBox1).hwnd();
  EXPECT_TRUE(SendMessageA(editBox, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("abc\x81\x7F")));
  char buffer[8] = "xxxxxxx";
  EXPECT_EQ(GetWindowTextA(editBox, buffer, 3), 2);
  EXPECT_EQ(std::string(buffer, 4), "ab\0x"s) << "a short buffer keeps what fits and a zero";
  EXPECT_EQ(SendMessageA(editBox, WM_GETTEXT, 0, reinterpret_cast<LPARAM>(buffer)), 0);
  EXPECT_EQ(GetWindowTextA(editBox, buffer, sizeof buffer), 5);
  EXPECT_EQ(std::string(buffer), "abc\x81\x7F");
  EXPECT_TRUE(SendMessageA(editBox, WM_SETTEXT, 0, 0));
  EXPECT_EQ(GetWindowTextLengthA(editBox), 0) << "a null text sets the empty text";
  EXPECT_FALSE(IsWindowVisible(editBox));
}

TEST(SetClipboardText, HandsTheTextAndAZeroToTheClipboard) {
  for (const std::string& text : kAwkwardTexts) {
    EXPECT_TRUE(SetClipboardText(Owner(), text));
    EXPECT_EQ(ClipboardText(), text + '\0');
    EXPECT_EQ(GetClipboardOwner(), Owner()) << "opened with the owner window";
  }
}

TEST(SetClipboardText, FailedAllocationLeavesTheClipboardAsItWas) {
  ASSERT_TRUE(SetClipboardText(Owner(), "what the user had"));
  // A length no block can be had for. The bytes are never touched: the
  // allocation is the first thing that happens, before the clipboard is opened.
  const std::string_view impossible("x", std::size_t{1} << 62);
  EXPECT_FALSE(SetClipboardText(Owner(), impossible));
  EXPECT_EQ(ClipboardText(), "what the user had\0"s);
}

TEST(ClipboardCopy, PutsTheListFilesTextOnTheClipboard) {
  struct Case {
    const char* what;
    std::optional<std::string> listFile;  // none: no list file
    std::string clipboard;
  };
  const Case cases[] = {
      {"two names", "a.txt\r\nb.txt"s, "a.txt\r\nb.txt\0"s},
      {"no list file", std::nullopt, "\0"s},
      {"an empty list file", ""s, "\0"s},
      {"a zero byte", "A\0B"s, "A\0"s},
      {"bytes that are not GBK", "\x81\r\n\x81\x7F\xFF"s, "\x81\r\n\x81\x7F\xFF\0"s},
      {"no line break at all", "x"s, "x\0"s},
  };
  for (const Case& c : cases) {
    FixtureFolder folder;
    BuiltWindow window(folder, kNoBindings);
    if (c.listFile) folder.AddFile("Tarnvel.txt", *c.listFile);
    ASSERT_TRUE(SetClipboardText(nullptr, "sentinel"));
    RunClipboardCopy(window.window());
    EXPECT_EQ(ClipboardText(), c.clipboard) << c.what;
    EXPECT_EQ(GetClipboardOwner(), Owner()) << c.what << ": the program's own window owns it";
    EXPECT_EQ(window->Get<EditBox>(names::kEditBox1).Text() + '\0', c.clipboard)
        << c.what << ": 编辑框1 keeps the copied text";
    EXPECT_EQ(folder.Read("Tarnvel.txt"), c.listFile.value_or("")) << c.what << ": file unchanged";
  }
}

}  // namespace
}  // namespace tarnvel::test
