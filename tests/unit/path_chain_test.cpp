#include "browse/path_chain.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarnvel {
namespace {

// Lead bytes of code page 936.
bool IsGbkLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

TEST(SearchBase, EndsInOneBackslash) {
  const struct {
    std::string directory, base;
  } cases[] = {
      {"D:", "D:\\"},
      {"D:\\", "D:\\"},
      {"C:\\A\\X", "C:\\A\\X\\"},
      // 癨 (B0 5C) ends in the backslash byte but is no backslash.
      {"C:\\\xB0\x5C", "C:\\\xB0\x5C\\"},
      {"C:\\\xB0\x5C\\", "C:\\\xB0\x5C\\"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SearchBase(c.directory, IsGbkLeadByte), c.base) << c.directory;
  }
}

struct ChainCase {
  const char* directory;
  std::vector<std::string> chain;
  const char* rejoined;  // the path a choice of the last item gives
};

class PathChainTest : public testing::TestWithParam<ChainCase> {};

TEST_P(PathChainTest, SplitsAndRejoins) {
  const ChainCase& c = GetParam();
  const auto chain = SplitPathChain(c.directory, IsGbkLeadByte);
  EXPECT_EQ(chain, c.chain);
  EXPECT_EQ(JoinPathChain(chain), c.rejoined);
}

INSTANTIATE_TEST_SUITE_P(
    Directories, PathChainTest,
    testing::Values(
        ChainCase{"D:\\", {"D:"}, "D:"},
        ChainCase{"C:", {"C:"}, "C:"},
        ChainCase{"C:\\A\\B", {"C:", "A", "B"}, "C:\\A\\B"},
        ChainCase{"C:\\A\\B\\", {"C:", "A", "B"}, "C:\\A\\B"},
        // Doubled and leading backslashes leave no empty item.
        ChainCase{"C:\\\\A\\\\\\B", {"C:", "A", "B"}, "C:\\A\\B"},
        ChainCase{"\\A\\B", {"A", "B"}, "A\\B"},
        ChainCase{"", {}, ""},
        // Double-byte characters whose trail byte is "\" (0x815C) do not cut.
        ChainCase{"C:\\\xB1\xED\\\xC4\xDC\xD3\xE8\\\x81\x5Cx", {"C:", "\xB1\xED", "\xC4\xDC\xD3\xE8", "\x81\x5Cx"},
                  "C:\\\xB1\xED\\\xC4\xDC\xD3\xE8\\\x81\x5Cx"},
        // A lead byte at the very end stands alone.
        ChainCase{"C:\\a\x81", {"C:", "a\x81"}, "C:\\a\x81"},
        // Network paths keep server and share together, so the rejoined
        // path is the same network path.
        ChainCase{"\\\\server\\share", {"\\\\server\\share"}, "\\\\server\\share"},
        ChainCase{"\\\\server\\share\\", {"\\\\server\\share"}, "\\\\server\\share"},
        ChainCase{"\\\\server\\share\\A\\B", {"\\\\server\\share", "A", "B"}, "\\\\server\\share\\A\\B"},
        ChainCase{"\\\\server", {"\\\\server"}, "\\\\server"},
        ChainCase{"\\\\\xB7\xFE\xCE\xF1\\\x81\x5C\\A", {"\\\\\xB7\xFE\xCE\xF1\\\x81\x5C", "A"},
                  "\\\\\xB7\xFE\xCE\xF1\\\x81\x5C\\A"}));

}  // namespace
}  // namespace tarnvel
