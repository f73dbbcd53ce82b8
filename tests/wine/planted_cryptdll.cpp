// A stand-in Cryptdll.dll of the kind an attacker drops into a downloads folder:
// if the program ever loaded it, the digests would be wrong.
#include "platform/win.h"

extern "C" {
__declspec(dllexport) void WINAPI MD5Init(void* record) { ZeroMemory(record, 104); }
__declspec(dllexport) void WINAPI MD5Update(void*, const unsigned char*, unsigned int) {}
__declspec(dllexport) void WINAPI MD5Final(void* record) { FillMemory(static_cast<char*>(record) + 88, 16, 0xAB); }
}
