#include "batch/batch.h"

#include "batch/output.h"
#include "digest/digest.h"
#include "facts/file_facts.h"
#include "platform/system.h"

const char* const ReportSeparator = "-------------------------------------------------\r\n";

namespace {

double TickReading() { return static_cast<double>(static_cast<std::int32_t>(TickMilliseconds())); }

void AppendLine(const char* label, const Text& value, const char* end = "\r\n") {
  AppendOutput(label + value + end);
}

}  // namespace

void HandleDroppedFiles(const Text& dropText) {
  RunningFlag = 1;
  const std::vector<Text> paths = SplitText(dropText, "\r\n");
  for (const Text& path : paths) {
    const double t0 = TickReading();
    const Text digest = DigestFile(path);
    const double t1 = TickReading();
    const double seconds = (t1 - t0) / 1000.0;

    // Asked afresh for every file: the user may have cleared or typed meanwhile.
    if (!OutputIsEmpty()) AppendOutput(ReportSeparator);
    if (RunningFlag == 0) {
      SetOutputText("已停止！\r\n");
      SetProgress(ProgressScale);
      break;
    }
    AppendLine("文件：", FileNameText(path));
    AppendLine("大小：", FileSizeText(path));
    Text creation;
    Text lastWrite;
    FileTimeTexts(path, creation, lastWrite);
    AppendLine("创建：", creation);
    AppendLine("修改：", lastWrite);
    AppendLine("MD5：", digest);
    AppendLine("耗时：", NumberText(seconds), " 秒\r\n");
  }
  RunningFlag = 0;
}
