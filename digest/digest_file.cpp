#include <new>

#include "batch/output.h"
#include "digest/digest.h"
#include "platform/system.h"

std::int32_t RunningFlag = 0;

const char* const FileErrorText = "文件错误！";
const char* const FileBusyText = "文件已被占用！";
const char* const StoppedText = "已停止！";

std::int32_t NextProgressStep(std::int32_t step, std::int64_t size) {
  const double sum = static_cast<double>(step) + 5242880.0;
  const double quotient = sum / static_cast<double>(size);
  const double product = quotient * 10000.0;
  return Low32(TruncToInt64(product));
}

Text DigestFile(const Text& path) {
  const std::int64_t size = QueryFileSize(path);
  ScopedFile file(path.empty() ? NoFile : Sys().openFile(path.c_str(), FileOpen::ForDigest));
  if (size == 0) return FileErrorText;
  if (!file) return FileBusyText;

  Sys().seekFile(file.get(), SeekFrom::Begin);
  Md5Begin();

  // One buffer for the whole file: at most one chunk is alive at a time.
  std::unique_ptr<std::uint8_t[]> chunk(new (std::nothrow) std::uint8_t[ChunkSize]);
  std::int64_t total = 0;
  std::int32_t step = 0;
  std::int64_t position = 0;
  for (;;) {
    Sys().trimWorkingSet();
    std::uint32_t n = 0;
    if (!chunk || !Sys().readFile(file.get(), chunk.get(), ChunkSize, &n)) {
      Sys().seekFile(file.get(), SeekFrom::End);
      n = 0;
    }
    total = TruncToInt64(static_cast<double>(n) + static_cast<double>(total));
    Md5Feed(chunk.get(), n);
    step = NextProgressStep(step, size);
    position = TruncToInt64(static_cast<double>(position) + static_cast<double>(step));
    SetProgress(Low32(position));

    if (total == size) {
      SetProgress(ProgressScale);
      Md5Finish();
      file.reset();
      PumpEvents();
      return CopyDigestText();
    }
    // A read that brings nothing while the file is not complete will never
    // complete it: the file shrank, grew past its size or cannot be read.
    // Passing on would spin until Stop, which wipes the whole report.
    if (n == 0) return FileErrorText;

    PumpEvents();
    if (RunningFlag == 0) return StoppedText;
  }
}
