// The real table: every entry is the Windows call the core asks for.
#include "platform/system.h"

#include <cstring>

#include "platform/automation.h"
#include "platform/dyncalls.h"
#include "platform/events.h"

namespace {

HANDLE AsHandle(FileRef f) { return reinterpret_cast<HANDLE>(f); }

FileRef OpenFile(const char* path, FileOpen mode) {
  HANDLE h;
  if (mode == FileOpen::ForDigest) {
    SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, nullptr, TRUE};
    h = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inheritable, OPEN_EXISTING,
                    FILE_ATTRIBUTE_NORMAL, nullptr);
  } else {
    h = dyn::CreateFileA()(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  }
  return h == INVALID_HANDLE_VALUE ? NoFile : reinterpret_cast<FileRef>(h);
}

void SeekFile(FileRef f, SeekFrom from) {
  SetFilePointer(AsHandle(f), 0, nullptr, from == SeekFrom::Begin ? FILE_BEGIN : FILE_END);
}

bool ReadChunk(FileRef f, void* buffer, std::uint32_t want, std::uint32_t* got) {
  DWORD n = 0;
  const BOOL ok = ReadFile(AsHandle(f), buffer, want, &n, nullptr);
  *got = ok ? n : 0;
  return ok != FALSE;
}

void CloseFile(FileRef f) { CloseHandle(AsHandle(f)); }

void TrimWorkingSet() {
  dyn::SetProcessWorkingSetSize()(GetCurrentProcess(), static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1));
}

void LopenFileSize(const char* path, std::int64_t* size) {
  const HFILE file = dyn::_lopen()(path, OF_READ);
  LARGE_INTEGER length;
  length.QuadPart = *size;
  // With HFILE_ERROR both calls fail and the size stays as it was.
  if (dyn::GetFileSizeEx()(reinterpret_cast<HANDLE>(static_cast<INT_PTR>(file)), &length)) *size = length.QuadPart;
  dyn::_lclose()(file);
}

void Md5Init(std::uint8_t* record) { dyn::MD5Init()(record); }
void Md5Update(std::uint8_t* record, const std::uint8_t* bytes, std::uint32_t count) {
  dyn::MD5Update()(record, bytes, count);
}
void Md5Final(std::uint8_t* record) { dyn::MD5Final()(record); }

const char* PathFindFileName(const char* path) { return dyn::PathFindFileNameA()(path); }

void FormatByteSize(std::int64_t size, char* buffer, std::uint32_t capacity) {
  dyn::StrFormatByteSize64A()(size, buffer, capacity);
}

FILETIME ToFileTime(FileStamp s) {
  FILETIME ft;
  ft.dwLowDateTime = static_cast<DWORD>(s);
  ft.dwHighDateTime = static_cast<DWORD>(s >> 32);
  return ft;
}
FileStamp FromFileTime(const FILETIME& ft) {
  return (static_cast<FileStamp>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
}

void GetFileTimes(FileRef f, FileStamp* creation, FileStamp* lastWrite) {
  FILETIME c = ToFileTime(*creation);
  FILETIME w = ToFileTime(*lastWrite);
  dyn::GetFileTime()(AsHandle(f), &c, nullptr, &w);
  *creation = FromFileTime(c);
  *lastWrite = FromFileTime(w);
}

void ToLocalFileTime(const FileStamp* stamp, FileStamp* local) {
  const FILETIME in = ToFileTime(*stamp);
  FILETIME out = ToFileTime(*local);
  dyn::FileTimeToLocalFileTime()(&in, &out);
  *local = FromFileTime(out);
}

static_assert(sizeof(CalendarTime) == sizeof(SYSTEMTIME), "CalendarTime mirrors SYSTEMTIME");

void ToSystemTime(const FileStamp* stamp, CalendarTime* time) {
  const FILETIME in = ToFileTime(*stamp);
  SYSTEMTIME st;
  std::memcpy(&st, time, sizeof st);
  dyn::FileTimeToSystemTime()(&in, &st);
  std::memcpy(time, &st, sizeof st);
}

void FormatDate(const CalendarTime* time, const char* picture, char* buffer, int capacity) {
  SYSTEMTIME st;
  std::memcpy(&st, time, sizeof st);
  dyn::GetDateFormatA()(0, 0, &st, picture, buffer, capacity);
}

void FormatTime(const CalendarTime* time, const char* picture, char* buffer, int capacity) {
  SYSTEMTIME st;
  std::memcpy(&st, time, sizeof st);
  dyn::GetTimeFormatA()(0, 0, &st, picture, buffer, capacity);
}

std::uint32_t Ticks() { return GetTickCount(); }

}  // namespace

SystemCalls& Sys() {
  static SystemCalls table = {
      OpenFile,        SeekFile,        ReadChunk,      CloseFile,    TrimWorkingSet,  LopenFileSize,
      AutomationFileSize, Md5Init,      Md5Update,      Md5Final,     PathFindFileName, FormatByteSize,
      GetFileTimes,    ToLocalFileTime, ToSystemTime,   FormatDate,   FormatTime,      Ticks,
      PumpWindowEvents,
  };
  return table;
}
