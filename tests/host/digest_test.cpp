#include <vector>

#include "tests/host/rig.h"

using Digest = Rig;

TEST_F(Digest, ProgressPositionsForEachPass) {
  const struct {
    std::size_t size;
    std::vector<std::int32_t> positions;
  } cases[] = {
      {5242880, {10000, 10000}},
      {5242881, {9999, 20018, 10000}},
      {10485760, {5000, 10004, 10000}},
      {12582912, {4166, 8335, 12504, 10000}},
      {20971520, {2500, 5001, 7502, 10003, 10000}},
      {1000, {52428800, 10000}},
      {20, {-1673527296, 10000}},
  };
  for (const auto& c : cases) {
    ResetWorld();
    AddFileOfSize("C:\\f", c.size);
    RunningFlag = 1;
    EXPECT_EQ(DigestFile("C:\\f"), Md5Hex(World().files["C:\\f"].bytes)) << c.size;
    EXPECT_EQ(World().progress, c.positions) << c.size;
  }
}

TEST_F(Digest, LongSequencesClimbByTheStep) {
  // 100 MiB: up by 500 a pass to 10000 in the 20th, then the final 10000.
  std::vector<std::int32_t> positions;
  std::int32_t step = 0;
  std::int64_t position = 0;
  for (int pass = 0; pass < 20; ++pass) {
    step = NextProgressStep(step, 104857600);
    position += step;
    positions.push_back(static_cast<std::int32_t>(position));
  }
  EXPECT_EQ(positions.front(), 500);
  EXPECT_EQ(positions[1], 1000);
  EXPECT_EQ(positions.back(), 10000);
  // 1 GiB: 48 a pass, 9840 in the 205th.
  step = 0;
  position = 0;
  for (int pass = 0; pass < 205; ++pass) {
    step = NextProgressStep(step, 1073741824);
    position += step;
  }
  EXPECT_EQ(step, 48);
  EXPECT_EQ(position, 9840);
}

TEST_F(Digest, MultiChunkDigestMatchesWholeFileAndClosesIt) {
  FakeFile& f = AddFileOfSize("C:\\big", 3 * ChunkSize + 12345);
  RunningFlag = 1;
  EXPECT_EQ(DigestFile("C:\\big"), Md5Hex(f.bytes));
  EXPECT_EQ(DigestText, Md5Hex(f.bytes));
  EXPECT_EQ(World().reads, 4);
  EXPECT_EQ(World().trims, 4);  // the working set is trimmed before every read
}

TEST_F(Digest, HexDigitsKeepLeadingZeros) {
  // MD5("a") = 0CC175B9C0F1B6A831C399E269772661: the first byte is below 16.
  AddFile("a.txt", "a");
  EXPECT_EQ(DigestFile("a.txt"), "0CC175B9C0F1B6A831C399E269772661");
}

TEST_F(Digest, RejectedFilesAreNotReadAndDispatchNothing) {
  AddFile("empty", "");
  FakeFile& locked = AddFile("locked", "xyz");
  locked.lockedExclusive = true;
  World().files["folder"].reportedSize = 0;  // a folder: no size from either source
  World().files["folder"].lockedExclusive = true;
  DigestText = "KEPT";

  const struct {
    const char* path;
    const char* result;
  } cases[] = {{"empty", "文件错误！"}, {"folder", "文件错误！"}, {"", "文件错误！"},
               {"missing", "文件错误！"}, {"locked", "文件已被占用！"}};
  for (const auto& c : cases) EXPECT_EQ(DigestFile(c.path), c.result) << c.path;
  EXPECT_EQ(World().reads, 0);
  EXPECT_EQ(World().pumps, 0);
  EXPECT_TRUE(World().progress.empty());
  EXPECT_EQ(DigestText, "KEPT");  // a rejected file leaves the last digest alone
  for (const std::string& p : World().openedPaths) EXPECT_FALSE(p.empty()) << "an empty path is never tried";
}

TEST_F(Digest, StopBetweenChunksEndsAfterTheCurrentPass) {
  AddFileOfSize("big", 3 * ChunkSize);
  RunningFlag = 1;
  World().onPump = [] { RunningFlag = 0; };
  EXPECT_EQ(DigestFile("big"), "已停止！");
  EXPECT_EQ(World().reads, 1);
  EXPECT_EQ(DigestText, "");
}

TEST_F(Digest, StopDuringTheLastPassStillYieldsTheDigest) {
  FakeFile& f = AddFileOfSize("two", 2 * ChunkSize);
  RunningFlag = 1;
  World().onPump = [] {
    if (World().reads == 2) RunningFlag = 0;
  };
  EXPECT_EQ(DigestFile("two"), Md5Hex(f.bytes));
}

TEST_F(Digest, ACallWithTheFlagAlreadyClearReadsOneChunk) {
  FakeFile& one = AddFileOfSize("one", 100);
  AddFileOfSize("long", 2 * ChunkSize);
  EXPECT_EQ(DigestFile("one"), Md5Hex(one.bytes));
  EXPECT_EQ(DigestFile("long"), "已停止！");
}

TEST_F(Digest, AFileThatChangesUnderTheReadEndsAsAnError) {
  // Without the guard each of these would pass forever until Stop.
  const struct {
    const char* what;
    std::function<void(int, FakeFile&)> change;
    int failRead;
  } cases[] = {
      {"shrinks", [](int n, FakeFile& f) { if (n == 2) f.bytes.resize(ChunkSize + 10); }, 0},
      {"grows past its size", [](int n, FakeFile& f) { if (n == 1) f.bytes.append(ChunkSize, 'g'); }, 0},
      {"read fails", nullptr, 2},
  };
  for (const auto& c : cases) {
    ResetWorld();
    FakeFile& f = AddFileOfSize("f", 2 * ChunkSize + 5);
    f.beforeRead = c.change;
    f.failReadNumber = c.failRead;
    RunningFlag = 1;
    EXPECT_EQ(DigestFile("f"), "文件错误！") << c.what;
    EXPECT_LE(World().reads, 5) << c.what;
    EXPECT_EQ(World().openHandles, 0) << c.what;
  }
}

TEST_F(Digest, SizeComesFromTheSecondSourceWhenTheFirstCannotOpen) {
  FakeFile& f = AddFile("held", "12345");
  f.lopenFails = true;
  EXPECT_EQ(QueryFileSize("held"), 5);
  f.automationKnows = false;
  EXPECT_EQ(QueryFileSize("held"), 0);
  FakeFile& huge = AddFile("huge", "");
  huge.reportedSize = 5LL << 32;
  EXPECT_EQ(QueryFileSize("huge"), 5LL << 32);
}

TEST_F(Digest, ContextRecordCarriesStateAcrossCalls) {
  Md5Begin();
  const std::string part1(100, 'x'), part2(30, 'y');
  Md5Feed(reinterpret_cast<const std::uint8_t*>(part1.data()), 100);
  Md5Feed(nullptr, 0);
  Md5Feed(reinterpret_cast<const std::uint8_t*>(part2.data()), 30);
  Md5Finish();
  EXPECT_EQ(CopyDigestText(), Md5Hex(part1 + part2));
}
