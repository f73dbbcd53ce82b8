#include "platform/dyncalls.h"

#include <cstring>
#include <string>

#include "platform/fatal.h"

namespace {

struct LoadedLibrary {
  const char* name;
  HMODULE module;
};

// A handful of libraries at most; a fixed table needs no allocation.
LoadedLibrary Loaded[16];
int LoadedCount = 0;

HMODULE LoadFromSystemDirectory(const char* name) {
  HMODULE module = LoadLibraryExA(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (module || GetLastError() != ERROR_INVALID_PARAMETER) return module;
  // Systems without the search flags: name the system directory in full.
  char dir[MAX_PATH];
  const UINT n = GetSystemDirectoryA(dir, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return nullptr;
  std::string path = std::string(dir, n) + "\\" + name;
  return LoadLibraryA(path.c_str());
}

FARPROC Resolve(const char* library, const char* function) {
  static const char* const DefaultSearch[] = {"Kernel32.dll", "Gdi32.dll",   "User32.dll",
                                              "Advapi32.dll", "Mpr.dll", "Shell32.dll"};
  if (library) {
    if (HMODULE module = LoadSystemLibrary(library))
      if (FARPROC proc = GetProcAddress(module, function)) return proc;
  } else {
    for (const char* candidate : DefaultSearch)
      if (HMODULE module = LoadSystemLibrary(candidate))
        if (FARPROC proc = GetProcAddress(module, function)) return proc;
  }
  FatalErrorBox(std::string("找不到系统函数 ") + function + (library ? std::string("（") + library + "）" : "") +
                "。");
}

}  // namespace

HMODULE LoadSystemLibrary(const char* name) {
  for (int i = 0; i < LoadedCount; ++i)
    if (lstrcmpiA(Loaded[i].name, name) == 0) return Loaded[i].module;
  HMODULE module = LoadFromSystemDirectory(name);
  if (module && LoadedCount < static_cast<int>(sizeof Loaded / sizeof Loaded[0]))
    Loaded[LoadedCount++] = {name, module};
  return module;
}

void FreeLoadedLibraries() {
  while (LoadedCount > 0) FreeLibrary(Loaded[--LoadedCount].module);
}

namespace dyn {
#define SUMLARK_DEFINE(name, library, type)                                   \
  type name() {                                                               \
    static type proc = reinterpret_cast<type>(                                \
        reinterpret_cast<void (*)()>(Resolve(library, #name)));               \
    return proc;                                                              \
  }
SUMLARK_DYNAMIC_CALLS(SUMLARK_DEFINE)
#undef SUMLARK_DEFINE
}  // namespace dyn
