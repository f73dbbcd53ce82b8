#include "batch/batch.h"
#include "facts/file_facts.h"
#include "tests/host/rig.h"

TEST(SplitText, PiecesAtCrLf) {
  const struct {
    const char* text;
    std::vector<Text> pieces;
  } cases[] = {
      {"", {}},
      {"P", {"P"}},
      {"P\r\n", {"P"}},
      {"P\r\nQ", {"P", "Q"}},
      {"P\r\nQ\r\n", {"P", "Q"}},
      {"\r\nP", {"", "P"}},
      {"P\r\n\r\nQ", {"P", "", "Q"}},
      {"\r\n", {""}},
      {"P\r", {"P\r"}},
      // A lead byte 0x8D followed by 0x0D is one character: no separator starts inside it.
      {"A\x8D\r\nB", {"A\x8D\r\nB"}},
      {"\xB1\xED\r\n\xB1\xED", {"\xB1\xED", "\xB1\xED"}},
      {"X\x80", {"X\x80"}},  // a lead byte before the end
  };
  for (const auto& c : cases) EXPECT_EQ(SplitText(c.text, "\r\n"), c.pieces) << c.text;
}

class Batch : public Rig {
 protected:
  // The six lines the batch writes for a file, given its digest text and elapsed text.
  static Text Block(const Text& path, const Text& md5, const Text& seconds) {
    Text creation, lastWrite;
    FileTimeTexts(path, creation, lastWrite);
    return "文件：" + FileNameText(path) + "\r\n大小：" + FileSizeText(path) + "\r\n创建：" + creation +
           "\r\n修改：" + lastWrite + "\r\nMD5：" + md5 + "\r\n耗时：" + seconds + " 秒\r\n";
  }
};

TEST_F(Batch, ReportOfTwoFilesByteForByte) {
  FakeFile& a = AddFile("C:\\in\\a.txt", "abc");
  a.creation = 133485120000000000ull;
  a.lastWrite = 133536959990000000ull;
  AddFile("C:\\in\\empty.bin", "");
  World().tickStep = 16;  // every digest takes 16 ms

  HandleDroppedFiles("C:\\in\\a.txt\r\nC:\\in\\empty.bin\r\n");

  EXPECT_EQ(World().box,
            "文件：a.txt\r\n"
            "大小：3 B   (3)字节\r\n"
            "创建：2024-01-01 00:00:00\r\n"
            "修改：2024-02-29 23:59:59\r\n"
            "MD5：900150983CD24FB0D6963F7D28E17F72\r\n"
            "耗时：0.016 秒\r\n"
            "-------------------------------------------------\r\n"
            "文件：empty.bin\r\n"
            "大小：0   (0)字节\r\n"
            "创建：1601-01-01 08:00:00\r\n"
            "修改：1601-01-01 08:00:00\r\n"
            "MD5：文件错误！\r\n"
            "耗时：0.016 秒\r\n");
  EXPECT_EQ(RunningFlag, 0);
}

TEST_F(Batch, EmptyEntriesAndFailuresStillGetTheirBlocks) {
  AddFile("locked", "zz").lockedExclusive = true;
  HandleDroppedFiles("\r\nlocked");
  EXPECT_EQ(World().box, Block("", "文件错误！", "0") + ReportSeparator + Block("locked", "文件已被占用！", "0"));
  EXPECT_NE(World().box.find("创建：\r\n修改：\r\n"), Text::npos) << "times that cannot be read stay empty";
}

TEST_F(Batch, EmptyDropWritesNothing) {
  World().box = "kept";
  HandleDroppedFiles("");
  EXPECT_EQ(World().box, "kept");
  EXPECT_TRUE(World().progress.empty());
  EXPECT_EQ(RunningFlag, 0);
}

TEST_F(Batch, ABoxThatHoldsAnythingGetsTheSeparatorFirst) {
  AddFile("a", "abc");
  World().box = "user notes";
  HandleDroppedFiles("a");
  EXPECT_EQ(World().box, "user notes" + Text(ReportSeparator) + Block("a", "900150983CD24FB0D6963F7D28E17F72", "0"));
}

TEST_F(Batch, StopDuringTheSecondOfThreeFiles) {
  AddFile("one", "1");
  AddFileOfSize("two", 3 * ChunkSize);
  AddFile("three", "3");
  World().onPump = [] {
    if (World().reads == 2) RunningFlag = 0;  // Stop while "two" is being read
  };
  HandleDroppedFiles("one\r\ntwo\r\nthree\r\n");
  EXPECT_EQ(World().box, "已停止！\r\n");
  EXPECT_EQ(World().progress.back(), 10000);
  EXPECT_EQ(std::count(World().openedPaths.begin(), World().openedPaths.end(), "three"), 0);
  EXPECT_EQ(RunningFlag, 0);
}

TEST_F(Batch, StopInTheLastDispatchOfACompleteFileStillStops) {
  AddFile("one", "1");
  World().onPump = [] { RunningFlag = 0; };  // also runs after the file is finished
  HandleDroppedFiles("one\r\none\r\n");
  EXPECT_EQ(World().box, "已停止！\r\n");
}

TEST_F(Batch, AStopWhileIdleDoesNotCarryOver) {
  AddFile("a", "abc");
  RunningFlag = 0;  // Stop pressed with no batch running
  HandleDroppedFiles("a");
  EXPECT_EQ(World().box, Block("a", "900150983CD24FB0D6963F7D28E17F72", "0"));
}

TEST_F(Batch, ClearDuringAFileDropsTheSeparator) {
  AddFile("a", "abc");
  AddFileOfSize("b", 2 * ChunkSize);
  World().onPump = [] {
    if (World().openedPaths.back() == "b") World().box.clear();  // Clear while "b" is read
  };
  HandleDroppedFiles("a\r\nb\r\n");
  EXPECT_EQ(World().box.rfind("文件：b", 0), 0u) << "b's block is the first text in the box";
}

TEST_F(Batch, ANestedDropReportsThenTheOuterBatchStops) {
  AddFileOfSize("outer", 2 * ChunkSize);
  AddFile("inner", "abc");
  Text boxAfterNested;
  World().onPump = [&] {
    World().onPump = nullptr;  // one nested drop only
    HandleDroppedFiles("inner");
    boxAfterNested = World().box;
  };
  World().box = "earlier";
  HandleDroppedFiles("outer");
  EXPECT_EQ(boxAfterNested, "earlier" + Text(ReportSeparator) + Block("inner", "900150983CD24FB0D6963F7D28E17F72", "0"));
  EXPECT_EQ(World().box, "已停止！\r\n");
  EXPECT_EQ(World().progress.back(), 10000);
  EXPECT_EQ(RunningFlag, 0);
}

TEST_F(Batch, ElapsedTimeCoversOnlyTheDigestAndSurvivesTheTickWrap) {
  AddFile("a", "abc");
  World().tick = 0xFFFFFFF0u;  // 16 ms before the 32-bit count wraps
  World().tickStep = 2500;
  HandleDroppedFiles("a");
  EXPECT_NE(World().box.find("耗时：2.5 秒\r\n"), Text::npos) << World().box;
}
