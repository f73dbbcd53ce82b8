#include "facts/file_facts.h"

#include "digest/digest.h"
#include "platform/system.h"

namespace {

// Windows formatters write into a buffer of blanks; the capacity is the blank count.
Text BlankBuffer(std::size_t capacity) { return Text(capacity, ' '); }

Text StampText(const FileStamp& stamp) {
  FileStamp local = 0;
  CalendarTime time{};
  Sys().fileTimeToLocalFileTime(&stamp, &local);
  Sys().fileTimeToSystemTime(&local, &time);
  Text date = BlankBuffer(255);
  Text clock = BlankBuffer(255);
  Sys().formatDate(&time, "yyyy-MM-dd", &date[0], 255);
  Sys().formatTime(&time, "HH:mm:ss", &clock[0], 255);
  return UpToNul(date) + " " + UpToNul(clock);
}

}  // namespace

Text FileNameText(const Text& path) {
  const Text component = Sys().pathFindFileName(path.c_str());
  // The last byte alone decides, even when it is the trail byte of a character.
  if (!component.empty() && component.back() == '\\') return Text();
  return component;
}

Text FileSizeText(const Text& path) {
  const std::int64_t size = QueryFileSize(path);
  Text buffer = BlankBuffer(20);
  Sys().formatByteSize(size, &buffer[0], 20);
  Text brief = UpToNul(buffer);
  if (brief == "0 字节") brief = "0";
  brief = ReplaceText(brief, "字节", "B");
  return brief + "   (" + NumberText(size) + ")字节";
}

void FileTimeTexts(const Text& path, Text& creation, Text& lastWrite) {
  ScopedFile file(Sys().openFile(path.c_str(), FileOpen::ForTimes));
  if (!file) return;
  FileStamp created = 0;
  FileStamp written = 0;
  Sys().getFileTimes(file.get(), &created, &written);
  creation = StampText(created);
  lastWrite = StampText(written);
}
