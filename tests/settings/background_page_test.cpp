#include "saver/settings/background_page.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/support/case_name.h"
#include "tests/support/temp_folder.h"

namespace pgw {
namespace {

struct HexCase {
  const char* color;
  const char* hex;  // nullptr: the colour cannot be converted
};

void PrintTo(const HexCase& c, std::ostream* os) {
  *os << '"' << c.color << '"';
}

class ColorToHtmlHexTable : public testing::TestWithParam<HexCase> {};

TEST_P(ColorToHtmlHexTable, GivesRedGreenBlue) {
  std::optional<std::string> hex = ColorToHtmlHex(GetParam().color);
  if (GetParam().hex == nullptr) {
    EXPECT_FALSE(hex.has_value()) << *hex;
  } else {
    ASSERT_TRUE(hex.has_value());
    EXPECT_EQ(*hex, GetParam().hex);
  }
}

INSTANTIATE_TEST_SUITE_P(
    BackgroundPage, ColorToHtmlHexTable,
    testing::Values(HexCase{"16777215", "FFFFFF"}, HexCase{"255", "FF0000"},
                    HexCase{"5649426", "123456"}, HexCase{"0", "000000"},
                    HexCase{"65280", "00FF00"}, HexCase{"1", "010000"},
                    // Not a number, or a number followed by other text.
                    HexCase{"", "000000"}, HexCase{"abc", "000000"}, HexCase{"  255 px", "FF0000"},
                    HexCase{"255abc", "FF0000"},
                    // Fractions round half to even; exponents are numbers too.
                    HexCase{"1.5", "020000"}, HexCase{"2.5", "020000"}, HexCase{"1e3", "E80300"},
                    // Negative: eight-digit two's complement, of which six digits count.
                    HexCase{"-1", "FFFFFF"}, HexCase{"-16777216", "0000FF"},
                    // More than six digits: only the first six count.
                    HexCase{"16777216", "000010"}, HexCase{"268435455", "FFFFFF"},
                    HexCase{"2147483647", "FFFF7F"}, HexCase{"-2147483648", "000080"},
                    // Outside the 32-bit signed range.
                    HexCase{"2147483648", nullptr}, HexCase{"-2147483649", nullptr},
                    HexCase{"1e400", nullptr}),
    [](const testing::TestParamInfo<HexCase>& info) {
      return test::CaseName(info.index, info.param.color);
    });

const char kWhiteLine[] = "<html><head></head><body bgcolor='#FFFFFF'></body></html>\r\n";

TEST(BackgroundPage, WritesOneLineInTheBackgroundColour) {
  test::TempFolder folder;
  std::string error;
  ASSERT_TRUE(WriteBackgroundPage(folder.path(), "255", error)) << error;
  EXPECT_EQ(folder.Read("empty.htm"),
            "<html><head></head><body bgcolor='#FF0000'></body></html>\r\n");
}

TEST(BackgroundPage, AppendsUntilDeleted) {
  test::TempFolder folder;
  std::string error;
  DeleteBackgroundPage(folder.path());  // nothing there yet: no error
  ASSERT_TRUE(WriteBackgroundPage(folder.path(), "16777215", error)) << error;
  ASSERT_TRUE(WriteBackgroundPage(folder.path(), "16777215", error)) << error;
  EXPECT_EQ(folder.Read("empty.htm"), std::string(kWhiteLine) + kWhiteLine);
  DeleteBackgroundPage(folder.path());
  ASSERT_TRUE(WriteBackgroundPage(folder.path(), "16777215", error)) << error;
  EXPECT_EQ(folder.Read("empty.htm"), kWhiteLine);
}

TEST(BackgroundPage, ReportsAFolderThatIsNotThere) {
  test::TempFolder folder;
  std::string missing = folder.File("gone");
  std::string error;
  EXPECT_FALSE(WriteBackgroundPage(missing, "0", error));
  EXPECT_NE(error.find(missing + "/empty.htm"), std::string::npos) << error;
}

TEST(BackgroundPage, ReportsAColourOutOfRangeAndWritesNothing) {
  test::TempFolder folder;
  std::string error;
  EXPECT_FALSE(WriteBackgroundPage(folder.path(), "99999999999", error));
  EXPECT_FALSE(error.empty());
  struct stat info {};
  EXPECT_NE(::stat(folder.File("empty.htm").c_str(), &info), 0);
}

}  // namespace
}  // namespace pgw
