// The Windows services the core needs, as one table of plain functions with
// portable types. The Windows build fills it with the real calls; tests swap
// single entries by name to inject faults, and the host rig fills it with fakes.
// Nothing here includes windows.h.
#pragma once

#include <cstdint>

// An open file: a Windows HANDLE carried as an integer. 0 and -1 both mean none.
using FileRef = std::intptr_t;
constexpr FileRef NoFile = -1;
inline bool IsFile(FileRef f) { return f != 0 && f != NoFile; }

enum class FileOpen {
  ForDigest,  // GENERIC_READ, share read+write, inheritable handle, normal attributes
  ForTimes,   // GENERIC_READ, share read only, no attributes
};

enum class SeekFrom { Begin, End };

// FILETIME as one 64-bit count of 100 ns ticks.
using FileStamp = std::uint64_t;

// SYSTEMTIME, field for field.
struct CalendarTime {
  std::uint16_t year, month, dayOfWeek, day, hour, minute, second, milliseconds;
};

constexpr std::uint32_t Md5RecordSize = 104;

struct SystemCalls {
  FileRef (*openFile)(const char* path, FileOpen mode);
  void (*seekFile)(FileRef file, SeekFrom from);
  // False when the read fails; *got is then 0.
  bool (*readFile)(FileRef file, void* buffer, std::uint32_t want, std::uint32_t* got);
  void (*closeFile)(FileRef file);
  void (*trimWorkingSet)();

  // _lopen(OF_READ), GetFileSizeEx, _lclose; *size is left alone on failure.
  void (*lopenFileSize)(const char* path, std::int64_t* size);
  // "scripting.FileSystemObject".GetFile(path).Size as a double; 0.0 on any failure.
  double (*automationFileSize)(const char* path);

  void (*md5Init)(std::uint8_t* record);
  void (*md5Update)(std::uint8_t* record, const std::uint8_t* bytes, std::uint32_t count);
  void (*md5Final)(std::uint8_t* record);

  const char* (*pathFindFileName)(const char* path);
  void (*formatByteSize)(std::int64_t size, char* buffer, std::uint32_t capacity);
  void (*getFileTimes)(FileRef file, FileStamp* creation, FileStamp* lastWrite);
  void (*fileTimeToLocalFileTime)(const FileStamp* stamp, FileStamp* local);
  void (*fileTimeToSystemTime)(const FileStamp* stamp, CalendarTime* time);
  void (*formatDate)(const CalendarTime* time, const char* picture, char* buffer, int capacity);
  void (*formatTime)(const CalendarTime* time, const char* picture, char* buffer, int capacity);

  std::uint32_t (*tickMilliseconds)();
  void (*pumpEvents)();
};

// The table in force. Tests may assign entries; they restore it when done.
SystemCalls& Sys();

// Dispatches the messages already waiting, leaving WM_QUIT queued; never waits.
inline void PumpEvents() { Sys().pumpEvents(); }
// GetTickCount: milliseconds since the system started, wrapping at 2^32.
inline std::uint32_t TickMilliseconds() { return Sys().tickMilliseconds(); }

// Closes a file on every way out.
class ScopedFile {
 public:
  explicit ScopedFile(FileRef f = NoFile) : file_(f) {}
  ~ScopedFile() { reset(); }
  ScopedFile(const ScopedFile&) = delete;
  ScopedFile& operator=(const ScopedFile&) = delete;
  FileRef get() const { return file_; }
  explicit operator bool() const { return IsFile(file_); }
  void reset() {
    if (IsFile(file_)) Sys().closeFile(file_);
    file_ = NoFile;
  }

 private:
  FileRef file_;
};
