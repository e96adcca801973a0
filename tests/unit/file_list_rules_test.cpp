// The listing's text rules on their own: pattern list, attribute and date
// filter, and the key that ignores case.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "browse/file_list_rules.h"

namespace tarnvel {
namespace {

// Code page 936: lead bytes 0x81 to 0xFE.
bool Gbk(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

TEST(FileListRules, PatternList) {
  const struct {
    std::string setting;
    std::vector<std::string> patterns;
  } cases[] = {
      {"", {"*.*"}},
      {"  \t", {"*.*"}},
      {"*.txt", {"*.txt"}},
      {"*.txt;*.doc  ", {"*.txt", "*.doc"}},
      {"*.txt;;*.doc", {"*.txt"}},
  };
  for (const auto& c : cases) EXPECT_EQ(PatternList(c.setting), c.patterns) << c.setting;
}

TEST(FileListRules, AttributesAndDateBounds) {
  const ListingSettings program;  // the switches the program lists with
  ListingSettings bounded;
  bounded.earliest = 100;
  bounded.latest = 200;
  const struct {
    const ListingSettings& settings;
    std::uint32_t attributes;
    std::uint64_t time;
    bool listed;
  } cases[] = {
      {program, kAttributeNormal, 0, true},
      {program, kAttributeArchive | kAttributeReadOnly, 0, true},
      {program, kAttributeArchive | kAttributeHidden, 0, false},
      {program, kAttributeSystem, 0, false},
      {program, kAttributeDirectory, 0, false},
      {bounded, kAttributeArchive, 99, false},
      {bounded, kAttributeArchive, 100, true},
      {bounded, kAttributeArchive, 200, true},
      {bounded, kAttributeArchive, 201, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsListed(c.settings, c.attributes, c.time), c.listed)
        << std::hex << c.attributes << " at " << std::dec << c.time;
  }
}

TEST(FileListRules, CaseFoldKeyLeavesDoubleByteCharactersAlone) {
  EXPECT_EQ(CaseFoldKey("X.TXT", Gbk), CaseFoldKey("x.txt", Gbk));
  // 81 41 and 81 61 are two different characters, though their second bytes
  // are A and a.
  EXPECT_NE(CaseFoldKey("\x81\x41", Gbk), CaseFoldKey("\x81\x61", Gbk));
  EXPECT_EQ(CaseFoldKey("\xD6\xD0" "Ab", Gbk), "\xD6\xD0" "ab");
}

TEST(FileListRules, JoinAndSplitAtSemicolons) {
  EXPECT_EQ(JoinNames({}, ";"), "");
  EXPECT_EQ(JoinNames({"a"}, ";"), "a");
  EXPECT_EQ(JoinNames({"a", "x;y", "b"}, "\r\n"), "a\r\nx;y\r\nb");
  EXPECT_EQ(SplitAtSemicolons("a;x;y"), (std::vector<std::string_view>{"a", "x", "y"}));
}

}  // namespace
}  // namespace tarnvel
