// Functions looked up by library and name on first use. Each library is loaded
// from the system directory only, so a DLL of the same name planted beside the
// program is never picked up. A function that cannot be found is fatal.
#pragma once

#include "platform/win.h"

// MD5_CTX as the MD5 functions see it: our 104-byte record.
using Md5InitFn = void(WINAPI*)(void* record);
using Md5UpdateFn = void(WINAPI*)(void* record, const unsigned char* bytes, unsigned int count);
using Md5FinalFn = void(WINAPI*)(void* record);
// shlwapi is looked up by name, so its header is not needed.
using StrFormatByteSize64AFn = LPSTR(WINAPI*)(LONGLONG size, LPSTR buffer, UINT capacity);
using PathFindFileNameAFn = LPSTR(WINAPI*)(LPCSTR path);

// X(name, library or nullptr for the default search list, type). The MD5 functions
// have no declaration in the SDK headers; the others take theirs from there.
#define SUMLARK_DYNAMIC_CALLS(X)                                            \
  X(MD5Init, "Cryptdll.dll", Md5InitFn)                                     \
  X(MD5Update, "Cryptdll.dll", Md5UpdateFn)                                 \
  X(MD5Final, "Cryptdll.dll", Md5FinalFn)                                   \
  X(SetProcessWorkingSetSize, nullptr, decltype(&::SetProcessWorkingSetSize)) \
  X(_lopen, "kernel32", decltype(&::_lopen))                                \
  X(GetFileSizeEx, "kernel32", decltype(&::GetFileSizeEx))                  \
  X(_lclose, "kernel32", decltype(&::_lclose))                              \
  X(StrFormatByteSize64A, "shlwapi.dll", StrFormatByteSize64AFn)            \
  X(PathFindFileNameA, "shlwapi.dll", PathFindFileNameAFn)                  \
  X(CreateFileA, "kernel32", decltype(&::CreateFileA))                      \
  X(GetFileTime, "kernel32", decltype(&::GetFileTime))                      \
  X(FileTimeToLocalFileTime, "kernel32", decltype(&::FileTimeToLocalFileTime)) \
  X(FileTimeToSystemTime, "kernel32", decltype(&::FileTimeToSystemTime))    \
  X(GetDateFormatA, "kernel32", decltype(&::GetDateFormatA))                \
  X(GetTimeFormatA, "kernel32", decltype(&::GetTimeFormatA))                \
  X(CloseHandle, "kernel32", decltype(&::CloseHandle))

namespace dyn {
#define SUMLARK_DECLARE(name, library, type) type name();
SUMLARK_DYNAMIC_CALLS(SUMLARK_DECLARE)
#undef SUMLARK_DECLARE
}  // namespace dyn

// Loads a system library by name, from the system directory only, and keeps it
// until FreeLoadedLibraries. Null when it cannot be loaded.
HMODULE LoadSystemLibrary(const char* name);

// Releases every library loaded by name; the shutdown and the fatal path call it.
void FreeLoadedLibraries();
