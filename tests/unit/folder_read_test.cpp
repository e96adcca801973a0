// The directory search of the browsing controls, and one read shared by
// the controls built together.
#include "browse/folder_read.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/fixture_folder.h"

namespace tarnvel {
namespace {

using test::FixtureFolder;

std::vector<std::string> Names(const std::optional<std::vector<FolderEntry>>& entries) {
  std::vector<std::string> names;
  if (entries) {
    for (const FolderEntry& entry : *entries) names.push_back(entry.name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string All(const FixtureFolder& folder) { return folder.path() + "\\*.*"; }

TEST(ReadFolder, GivesEveryEntryWithItsAttributes) {
  FixtureFolder folder;
  folder.AddFile("plain.txt", "abc");
  folder.AddFile("hidden.txt");
  folder.SetAttributes("hidden.txt", FILE_ATTRIBUTE_HIDDEN);
  folder.AddFolder("sub");

  const auto entries = ReadFolder(All(folder));
  ASSERT_TRUE(entries);
  EXPECT_EQ(Names(entries), (std::vector<std::string>{".", "..", "hidden.txt", "plain.txt", "sub"}));
  for (const FolderEntry& entry : *entries) {
    if (entry.name == "hidden.txt") {
      EXPECT_TRUE(entry.attributes & FILE_ATTRIBUTE_HIDDEN);
    } else if (entry.name == "sub") {
      EXPECT_TRUE(entry.attributes & FILE_ATTRIBUTE_DIRECTORY);
    } else if (entry.name == "plain.txt") {
      EXPECT_FALSE(entry.attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN));
      EXPECT_NE(entry.lastWrite.dwHighDateTime, 0u);
    }
  }
  EXPECT_FALSE(ReadFolder(folder.PathOf("missing") + "\\*.*"));
  EXPECT_EQ(Names(ReadFolder(folder.path() + "\\*.doc")), std::vector<std::string>{});
}

// While a share lives a path is read once; each path on its own; the
// outermost share decides when reading afresh begins again.
TEST(FolderReadShare, AShareGivesTheFirstReadOfEachPathUntilItEnds) {
  FixtureFolder folder;
  folder.AddFile("first.txt");
  folder.AddFolder("sub");
  const std::string sub = folder.PathOf("sub") + "\\*.*";
  const std::vector<std::string> first = {".", "..", "first.txt", "sub"};
  const std::vector<std::string> now = {".", "..", "first.txt", "later.txt", "missing", "sub"};
  {
    FolderReadShare outer;
    EXPECT_EQ(Names(ReadFolder(All(folder))), first);
    EXPECT_FALSE(ReadFolder(folder.PathOf("missing") + "\\*.*"));
    folder.AddFile("later.txt");
    folder.AddFile("sub\\in.txt");
    folder.AddFolder("missing");
    {
      FolderReadShare inner;
      EXPECT_EQ(Names(ReadFolder(All(folder))), first);
    }
    EXPECT_EQ(Names(ReadFolder(All(folder))), first);
    EXPECT_FALSE(ReadFolder(folder.PathOf("missing") + "\\*.*"));
    // Not read before in this share: read now.
    EXPECT_EQ(Names(ReadFolder(sub)), (std::vector<std::string>{".", "..", "in.txt"}));
  }
  EXPECT_EQ(Names(ReadFolder(All(folder))), now);
  EXPECT_TRUE(ReadFolder(folder.PathOf("missing") + "\\*.*"));
}

}  // namespace
}  // namespace tarnvel
