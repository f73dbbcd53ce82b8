// Run from a folder that also holds a planted Cryptdll.dll. "plain" loads it the
// ordinary way, to show that the plant would be picked up; "ours" goes through
// the program's own loader. Prints the loaded module's path; exit 0 on success.
#include <cstdio>
#include <cstring>

#include "platform/dyncalls.h"
#include "platform/win.h"

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  const bool plain = std::strcmp(argv[1], "plain") == 0;
  HMODULE module = plain ? LoadLibraryA("Cryptdll.dll") : LoadSystemLibrary("Cryptdll.dll");
  if (!module) return 3;
  char path[MAX_PATH] = "";
  GetModuleFileNameA(module, path, MAX_PATH);
  std::printf("%s\n", path);
  return 0;
}
