// Functions looked up by library and name on first use. Each library is loaded
// from the system directory only, so a DLL of the same name planted beside the
// program is never picked up. A function that cannot be found is fatal.
#pragma once

#include "platform/win.h"

// MD5_CTX as the MD5 functions see it: our 104-byte record.
using Md5InitFn = void(WINAPI*)(void* record);
using Md5UpdateFn = void(WINAPI*)(void* record, const unsigned char* bytes, unsigned int count);
using Md5FinalFn = void(WINAPI*)(void* record);

// X(name, library or nullptr for the default search list, type)
#define SUMLARK_DYNAMIC_CALLS(X)                                                                 \
  X(MD5Init, "Cryptdll.dll", Md5InitFn)                                                          \
  X(MD5Update, "Cryptdll.dll", Md5UpdateFn)                                                      \
  X(MD5Final, "Cryptdll.dll", Md5FinalFn)                                                        \
  X(SetProcessWorkingSetSize, nullptr, BOOL(WINAPI*)(HANDLE, SIZE_T, SIZE_T))                    \
  X(_lopen, "kernel32", HFILE(WINAPI*)(LPCSTR, int))                                             \
  X(GetFileSizeEx, "kernel32", BOOL(WINAPI*)(HANDLE, PLARGE_INTEGER))                            \
  X(_lclose, "kernel32", HFILE(WINAPI*)(HFILE))                                                  \
  X(StrFormatByteSize64A, "shlwapi.dll", LPSTR(WINAPI*)(LONGLONG, LPSTR, UINT))                  \
  X(PathFindFileNameA, "shlwapi.dll", LPSTR(WINAPI*)(LPCSTR))                                    \
  X(CreateFileA, "kernel32",                                                                     \
    HANDLE(WINAPI*)(LPCSTR, DWORD, DWORD, LPSECURITY_ATTRIBUTES, DWORD, DWORD, HANDLE))          \
  X(GetFileTime, "kernel32", BOOL(WINAPI*)(HANDLE, LPFILETIME, LPFILETIME, LPFILETIME))          \
  X(FileTimeToLocalFileTime, "kernel32", BOOL(WINAPI*)(const FILETIME*, LPFILETIME))             \
  X(FileTimeToSystemTime, "kernel32", BOOL(WINAPI*)(const FILETIME*, LPSYSTEMTIME))              \
  X(GetDateFormatA, "kernel32", int(WINAPI*)(LCID, DWORD, const SYSTEMTIME*, LPCSTR, LPSTR, int)) \
  X(GetTimeFormatA, "kernel32", int(WINAPI*)(LCID, DWORD, const SYSTEMTIME*, LPCSTR, LPSTR, int)) \
  X(CloseHandle, "kernel32", BOOL(WINAPI*)(HANDLE))

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
