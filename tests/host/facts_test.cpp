#include <cstring>

#include "facts/file_facts.h"
#include "tests/host/rig.h"

using Facts = Rig;

// 2024-02-29 15:59:59 UTC is 2024-02-29 23:59:59 in the rig's UTC+8.
constexpr FileStamp Leap = 133536959990000000ull;
// 2023-12-31 16:00:00 UTC is local midnight of 2024-01-01.
constexpr FileStamp Midnight = 133485120000000000ull;

TEST_F(Facts, NameIsTheLastComponent) {
  const struct {
    const char* path;
    const char* name;
  } cases[] = {
      {"C:\\dir\\report.tar.gz", "report.tar.gz"},
      {"plain.txt", "plain.txt"},
      {"C:\\dir\\", ""},
      {"C:\\dir\\\xB1\x5C", ""},  // a double-byte character whose trail byte is 0x5C
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(FileNameText(c.path), c.name) << c.path;
}

TEST_F(Facts, SizeLine) {
  AddFile("zero", "");
  AddFile("three", "abc");
  AddFileOfSize("kb", 1536);
  World().files["huge"].reportedSize = 6442450944LL;
  const struct {
    const char* path;
    const char* line;
  } cases[] = {
      {"zero", "0   (0)字节"},
      {"missing", "0   (0)字节"},
      {"three", "3 B   (3)字节"},
      {"kb", "1.50 KB   (1536)字节"},
      {"huge", "6.00 GB   (6442450944)字节"},
  };
  for (const auto& c : cases) EXPECT_EQ(FileSizeText(c.path), c.line) << c.path;
}

TEST_F(Facts, SizeLineTakesWhateverTheFormatterWrote) {
  Sys().formatByteSize = [](std::int64_t, char* buffer, std::uint32_t) { std::strcpy(buffer, "2 字节 字节"); };
  AddFile("f", "ab");
  EXPECT_EQ(FileSizeText("f"), "2 B B   (2)字节");
  Sys().formatByteSize = [](std::int64_t, char*, std::uint32_t) {};  // writes nothing: the blanks stay
  EXPECT_EQ(FileSizeText("f"), "                       (2)字节");
}

TEST_F(Facts, TimesAreTheFilesOwnStampsInLocalTime) {
  FakeFile& f = AddFile("f", "x");
  f.creation = Midnight;
  f.lastWrite = Leap;
  Text creation = "old", lastWrite = "old";
  FileTimeTexts("f", creation, lastWrite);
  EXPECT_EQ(creation, "2024-01-01 00:00:00");
  EXPECT_EQ(lastWrite, "2024-02-29 23:59:59");
}

TEST_F(Facts, TimesStayWhenTheFileCannotBeOpened) {
  AddFile("locked", "x").lockedExclusive = true;
  for (const char* path : {"locked", "missing"}) {
    Text creation = "2020-01-01 00:00:00", lastWrite = "2020-01-02 00:00:00";
    FileTimeTexts(path, creation, lastWrite);
    EXPECT_EQ(creation, "2020-01-01 00:00:00") << path;
    EXPECT_EQ(lastWrite, "2020-01-02 00:00:00") << path;
  }
}
