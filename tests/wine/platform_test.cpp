// The core on the real Windows services: Cryptdll's MD5, shlwapi's formatter,
// the FileSystemObject, real files and the real message queue.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "batch/batch.h"
#include "digest/digest.h"
#include "facts/file_facts.h"
#include "platform/events.h"
#include "platform/process.h"
#include "platform/system.h"
#include "platform/win.h"
#include "tests/wine/memory_output.h"

namespace {

// A scratch file that is deleted on every way out.
class TempFile {
 public:
  explicit TempFile(const std::string& name, const std::string& bytes = std::string()) {
    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    path_ = std::string(dir) + name;
    FILE* f = std::fopen(path_.c_str(), "wb");
    if (f) {
      std::fwrite(bytes.data(), 1, bytes.size(), f);
      std::fclose(f);
    }
  }
  ~TempFile() { DeleteFileA(path_.c_str()); }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

std::string Pattern(std::size_t size) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 131 + 7) >> 3);
  return bytes;
}

class Platform : public ::testing::Test {
 protected:
  void SetUp() override {
    InitGlobals();
    Output() = MemoryOutput();
    RunningFlag = 1;
    saved_ = Sys();
  }
  void TearDown() override {
    Sys() = saved_;
    FreeGlobals();
  }
  SystemCalls saved_;
};

std::string Md5Of(const std::string& bytes) {
  Md5Begin();
  Md5Feed(reinterpret_cast<const std::uint8_t*>(bytes.data()), static_cast<std::uint32_t>(bytes.size()));
  Md5Finish();
  return CopyDigestText();
}

}  // namespace

TEST_F(Platform, CryptdllGivesTheRfc1321Vectors) {
  const struct {
    std::string input;
    const char* digest;
  } cases[] = {
      {"", "D41D8CD98F00B204E9800998ECF8427E"},
      {"a", "0CC175B9C0F1B6A831C399E269772661"},
      {"abc", "900150983CD24FB0D6963F7D28E17F72"},
      {"message digest", "F96B697D7CB7938D525A2F31AAF161D0"},
      {"abcdefghijklmnopqrstuvwxyz", "C3FCD3D76192E4007DFB496CCA67E13B"},
      {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789", "D174AB98D277D9F5A5611C2C9F419D9F"},
      {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
       "57EDF4A22BE3C955AC49DA2E2107B67A"},
  };
  for (const auto& c : cases) EXPECT_EQ(Md5Of(c.input), c.digest) << c.input;
}

TEST_F(Platform, MultiChunkFileDigestAndProgress) {
  TempFile file("sumlark-multi.bin", Pattern(3 * ChunkSize + 12345));
  EXPECT_EQ(DigestFile(file.path()), "84DCE9EB0AD7F0E016941D3463BCF9F4");  // md5sum of the same bytes
  ASSERT_EQ(Output().progress.size(), 5u);
  EXPECT_EQ(Output().progress.back(), 10000);
}

TEST_F(Platform, RejectedFiles) {
  TempFile empty("sumlark-empty.bin");
  char dir[MAX_PATH];
  GetTempPathA(MAX_PATH, dir);
  EXPECT_EQ(DigestFile(empty.path()), "文件错误！");
  EXPECT_EQ(DigestFile(dir), "文件错误！");
  EXPECT_EQ(DigestFile(""), "文件错误！");
  EXPECT_TRUE(Output().progress.empty());
}

TEST_F(Platform, AFileHeldWithoutSharingIsBusyAndSizedByTheFileSystemObject) {
  TempFile file("sumlark-held.bin", "held open");
  HANDLE held = CreateFileA(file.path().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  std::int64_t lopenSize = 0;
  Sys().lopenFileSize(file.path().c_str(), &lopenSize);
  EXPECT_EQ(lopenSize, 0) << "_lopen must fail on a file held without sharing";
  EXPECT_EQ(QueryFileSize(file.path()), 9);
  EXPECT_EQ(DigestFile(file.path()), "文件已被占用！");
  Text creation = "before", lastWrite = "before";
  FileTimeTexts(file.path(), creation, lastWrite);
  EXPECT_EQ(creation, "before");
  CloseHandle(held);
}

TEST_F(Platform, SizeAboveFourGigabytesOnASparseFile) {
  TempFile file("sumlark-sparse.bin");
  HANDLE h = CreateFileA(file.path().c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  LARGE_INTEGER at;
  at.QuadPart = 5LL * 1024 * 1024 * 1024 + 7;
  SetFilePointerEx(h, at, nullptr, FILE_BEGIN);
  SetEndOfFile(h);
  CloseHandle(h);
  EXPECT_EQ(QueryFileSize(file.path()), 5368709127LL);
  const Text line = FileSizeText(file.path());
  EXPECT_NE(line.find("   (5368709127)字节"), Text::npos) << line;
}

TEST_F(Platform, ByteSizeFormatterUnderCodePage936) {
  ASSERT_EQ(GetACP(), 936u) << "the tests run in the zh_CN locale";
  const struct {
    std::int64_t size;
    const char* line;
  } cases[] = {{0, "0   (0)字节"}, {3, "3 B   (3)字节"}, {1023, "1023 B   (1023)字节"}};
  for (const auto& c : cases) {
    static std::int64_t size;
    size = c.size;
    Sys().lopenFileSize = [](const char*, std::int64_t* out) { *out = size; };
    EXPECT_EQ(FileSizeText("any"), c.line) << c.size;
  }
  char buffer[21] = "                    ";
  Sys().formatByteSize(1536, buffer, 20);
  EXPECT_STREQ(buffer, "1.50 KB");
}

// The stamp as the report must show it, formatted without the core's help.
std::string LocalText(const FILETIME& stamp) {
  FILETIME local;
  SYSTEMTIME t;
  FileTimeToLocalFileTime(&stamp, &local);
  FileTimeToSystemTime(&local, &t);
  char text[32];
  std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute,
                t.wSecond);
  return text;
}

TEST_F(Platform, TimeLinesAreTheFilesOwnStamps) {
  TempFile file("sumlark-times.bin", "t");
  SYSTEMTIME local = {2022, 12, 0, 31, 23, 59, 58, 0};
  FILETIME localStamp, written;
  SystemTimeToFileTime(&local, &localStamp);
  LocalFileTimeToFileTime(&localStamp, &written);
  HANDLE h = CreateFileA(file.path().c_str(), FILE_WRITE_ATTRIBUTES | GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0,
                         nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  SetFileTime(h, nullptr, nullptr, &written);
  FILETIME created;
  GetFileTime(h, &created, nullptr, nullptr);  // Linux file systems keep no settable creation time
  CloseHandle(h);

  Text creation, lastWrite;
  FileTimeTexts(file.path(), creation, lastWrite);
  EXPECT_EQ(lastWrite, "2022-12-31 23:59:58");
  EXPECT_EQ(creation, LocalText(created));
  EXPECT_EQ(creation.size(), 19u);
}

TEST_F(Platform, NameOfARealPath) {
  EXPECT_EQ(FileNameText("C:\\数据\\报告.tar.gz"), "报告.tar.gz");
  EXPECT_EQ(FileNameText("C:\\数据\\"), "");
  EXPECT_EQ(FileNameText("plain"), "plain");
}

TEST_F(Platform, AReadThatFailsEndsTheFileAsAnError) {
  TempFile file("sumlark-fail.bin", Pattern(2 * ChunkSize + 1));
  static int reads;
  reads = 0;
  static bool (*realRead)(FileRef, void*, std::uint32_t, std::uint32_t*);
  realRead = Sys().readFile;
  Sys().readFile = [](FileRef f, void* b, std::uint32_t w, std::uint32_t* g) {
    if (++reads == 2) {
      *g = 0;
      return false;
    }
    return realRead(f, b, w, g);
  };
  EXPECT_EQ(DigestFile(file.path()), "文件错误！");
  EXPECT_EQ(reads, 2);
  // The file was closed: it can be deleted now.
  EXPECT_TRUE(DeleteFileA(file.path().c_str()));
}

TEST_F(Platform, ABatchOnRealFiles) {
  TempFile a("sumlark-a.txt", "abc");
  HandleDroppedFiles(a.path() + "\r\n" + a.path() + "\r\n");
  const Text& box = Output().box;
  EXPECT_EQ(box.find("文件：sumlark-a.txt\r\n大小：3 字节"), Text::npos);
  EXPECT_EQ(box.rfind("文件：sumlark-a.txt\r\n大小：3 B   (3)字节\r\n创建：", 0), 0u) << box;
  EXPECT_NE(box.find("MD5：900150983CD24FB0D6963F7D28E17F72\r\n耗时："), Text::npos);
  EXPECT_NE(box.find("-------------------------------------------------\r\n文件：sumlark-a.txt"), Text::npos);
}

int AppMessagesSeen = 0;

LRESULT CALLBACK CountingProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_APP) ++AppMessagesSeen;
  return DefWindowProcA(h, m, w, l);
}

TEST(Pump, DispatchesWhatIsQueuedAndLeavesQuitForTheMainLoop) {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = CountingProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "SumlarkPumpProbe";
  RegisterClassA(&wc);
  HWND w = CreateWindowA("SumlarkPumpProbe", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
  ASSERT_TRUE(w);
  PostMessageA(w, WM_APP, 0, 0);
  PostMessageA(w, WM_APP, 0, 0);
  PostQuitMessage(3);
  PostMessageA(w, WM_APP, 0, 0);
  PumpEvents();
  EXPECT_GE(AppMessagesSeen, 2);
  MSG msg;
  // WM_QUIT is still there for the main loop, with its code.
  bool quit = false;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
    if (msg.message == WM_QUIT) {
      quit = true;
      EXPECT_EQ(msg.wParam, 3u);
    }
  EXPECT_TRUE(quit);
  PumpEvents();  // an empty queue: returns at once
  DestroyWindow(w);
}

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  InitializeOle();
  const int result = RUN_ALL_TESTS();
  UninitializeOle();
  return result;
}
