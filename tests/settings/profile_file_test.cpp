#include "saver/settings/profile_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "tests/support/temp_folder.h"

namespace pgw {
namespace {

using namespace std::string_literals;

struct ReaderCase {
  const char* name;
  std::string file;
  std::string section;
  std::string key;
  std::string expected;
};

void PrintTo(const ReaderCase& c, std::ostream* os) {
  *os << c.name;
}

class ReaderRules : public testing::TestWithParam<ReaderCase> {};

TEST_P(ReaderRules, GivesTheValueTheRulesGive) {
  const ReaderCase& c = GetParam();
  ProfileFile file = ProfileFile::Parse(c.file);
  EXPECT_EQ(file.Value(c.section, c.key), c.expected);
}

const std::string kLongValue(100000, 'q');

INSTANTIATE_TEST_SUITE_P(
    Profile, ReaderRules,
    testing::Values(
        ReaderCase{"Plain", "[Pages]\r\nPage0=a.htm\r\n", "Pages", "Page0", "a.htm"},
        ReaderCase{"SectionInOtherCase", "[PAGES]\r\nPage0=a\r\n", "Pages", "Page0", "a"},
        ReaderCase{"KeyInOtherCase", "[Pages]\r\npAGE0=a\r\n", "Pages", "Page0", "a"},
        ReaderCase{"AskedInOtherCase", "[Display]\r\nSat=1\r\n", "DISPLAY", "SAT", "1"},
        ReaderCase{"BlanksAroundKeyAndValue", "[S]\r\n  k \t=  a b \t\r\n", "S", "k", "a b"},
        ReaderCase{"BlanksAroundSectionName", "[ S ]\r\nk=v\r\n", "S", "k", "v"},
        ReaderCase{"DoubleQuotesRemoved", "[S]\r\nk=\"a b\"\r\n", "S", "k", "a b"},
        ReaderCase{"SingleQuotesRemoved", "[S]\r\nk='a b'\r\n", "S", "k", "a b"},
        ReaderCase{"OnlyOnePairRemoved", "[S]\r\nk=\"\"a\"\"\r\n", "S", "k", "\"a\""},
        ReaderCase{"BlanksInsideQuotesKept", "[S]\r\nk=\" a \"\r\n", "S", "k", " a "},
        ReaderCase{"UnpairedQuoteKept", "[S]\r\nk=\"a\r\n", "S", "k", "\"a"},
        ReaderCase{"MixedQuotesKept", "[S]\r\nk=\"a'\r\n", "S", "k", "\"a'"},
        ReaderCase{"LoneQuoteKept", "[S]\r\nk=\"\r\n", "S", "k", "\""},
        ReaderCase{"ValueWithEquals", "[S]\r\nk=a=b\r\n", "S", "k", "a=b"},
        ReaderCase{"EmptyValue", "[S]\r\nk=\r\nj=x\r\n", "S", "k", ""},
        ReaderCase{"LfOnly", "[S]\nk=v\nj=w\n", "S", "j", "w"},
        ReaderCase{"CrOnly", "[S]\rk=v\rj=w\r", "S", "j", "w"},
        ReaderCase{"MixedLineEnds", "[S]\r\nk=v\nj=w\rl=x", "S", "l", "x"},
        ReaderCase{"NoLineEndAtTheEnd", "[S]\r\nk=v", "S", "k", "v"},
        ReaderCase{"FirstKeyWins", "[S]\r\nk=first\r\nK=second\r\n", "S", "k", "first"},
        ReaderCase{"FirstSectionWins", "[S]\r\nk=first\r\n[s]\r\nk=second\r\n", "S", "k", "first"},
        ReaderCase{"KeyOnlyInRepeatedSection", "[S]\r\na=1\r\n[S]\r\nk=v\r\n", "S", "k", ""},
        ReaderCase{"OtherSectionsBetween", "[A]\r\nk=a\r\n[B]\r\nk=b\r\n", "B", "k", "b"},
        ReaderCase{"KeyBeforeAnySection", "k=v\r\n[S]\r\n", "S", "k", ""},
        ReaderCase{"LineWithoutEquals", "[S]\r\nk\r\nk=v\r\n", "S", "k", "v"},
        ReaderCase{"MissingKey", "[S]\r\nk=v\r\n", "S", "other", ""},
        ReaderCase{"MissingSection", "[S]\r\nk=v\r\n", "T", "k", ""},
        ReaderCase{"EmptyFile", "", "S", "k", ""},
        ReaderCase{"UnclosedSectionName", "[S\r\nk=v\r\n", "S", "k", "v"},
        ReaderCase{"NulBytesKept", "[S]\r\nk=a\0b\r\n"s, "S", "k", "a\0b"s},
        ReaderCase{"NonUtf8BytesKept", "[S]\r\nk=/m\xff\xfe/x\xc3(.htm\r\n", "S", "k",
                   "/m\xff\xfe/x\xc3(.htm"},
        ReaderCase{"LongValueWhole", "[S]\r\nk=" + kLongValue + "\r\n", "S", "k", kLongValue},
        ReaderCase{"GarbageAround", "\x01\x02[\xff\r\n=\r\n[S]\r\n\0=\0\r\nk=v\r\n]]\r\n"s, "S",
                   "k", "v"}),
    [](const testing::TestParamInfo<ReaderCase>& info) { return info.param.name; });

TEST(ProfileRead, MissingFileReadsAsEmpty) {
  test::TempFolder folder;
  ProfileFile file = ProfileFile::Read(folder.File("absent.ini"));
  EXPECT_EQ(file.Value("Pages", "Page0"), "");
}

TEST(ProfileRead, FolderReadsAsEmpty) {
  test::TempFolder folder;
  ProfileFile file = ProfileFile::Read(folder.path());
  EXPECT_EQ(file.Value("Pages", "Page0"), "");
}

TEST(ProfileRead, ReadsTheFileWhole) {
  test::TempFolder folder;
  std::string text = "[Pages]\r\n";
  for (int i = 0; i < 3000; ++i) text += "Page" + std::to_string(i) + "=" + kLongValue + "\r\n";
  text += "[Display]\r\nSat=1\r\n";
  ProfileFile file = ProfileFile::Read(folder.Write("big.ini", text));
  EXPECT_EQ(file.Value("Pages", "Page2999"), kLongValue);
  EXPECT_EQ(file.Value("Display", "Sat"), "1");
}

TEST(ProfileRead, ValuesSurviveAMoveOfTheProfile) {
  ProfileFile first = ProfileFile::Parse("[S]\r\nk=v\r\n");
  ProfileFile moved = std::move(first);
  EXPECT_EQ(moved.Value("S", "k"), "v");
}

// A file the user may not read gives the same as a missing one. As root every file is
// readable, so the read then runs in a child process under the unprivileged "nobody".
TEST(ProfileRead, UnreadableFileReadsAsEmpty) {
  test::TempFolder folder;
  ::chmod(folder.path().c_str(), 0755);
  std::string path = folder.Write("locked.ini", "[S]\r\nk=v\r\n");
  ::chmod(path.c_str(), 0);
  pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(3);
    bool empty = ProfileFile::Read(path).Value("S", "k").empty();
    bool reallyLocked = ::access(path.c_str(), R_OK) != 0;
    ::_exit(!reallyLocked ? 2 : empty ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "1: the value was read, 2: the file was readable, "
                                       "3: could not drop privileges";
}

}  // namespace
}  // namespace pgw
