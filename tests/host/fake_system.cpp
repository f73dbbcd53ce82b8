#include "tests/host/fake_system.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "platform/fatal.h"

namespace {

FakeWorld* TheWorld = nullptr;

struct OpenFakeFile {
  std::string path;
  std::size_t offset = 0;
  int readCount = 0;
};
std::map<FileRef, OpenFakeFile> Handles;
FileRef NextHandle = 100;

FakeFile* Find(const char* path) {
  auto it = World().files.find(path);
  return it == World().files.end() ? nullptr : &it->second;
}

std::int64_t ReportedSize(const FakeFile& f) {
  return f.reportedSize >= 0 ? f.reportedSize : static_cast<std::int64_t>(f.bytes.size());
}

FileRef OpenFile(const char* path, FileOpen) {
  World().opens++;
  World().openedPaths.push_back(path);
  FakeFile* f = Find(path);
  if (!f || f->lockedExclusive) return NoFile;
  const FileRef h = NextHandle++;
  Handles[h] = {path, 0, 0};
  World().openHandles++;
  return h;
}

void SeekFile(FileRef h, SeekFrom from) {
  OpenFakeFile& o = Handles.at(h);
  o.offset = from == SeekFrom::Begin ? 0 : World().files.at(o.path).bytes.size();
}

bool ReadFile(FileRef h, void* buffer, std::uint32_t want, std::uint32_t* got) {
  OpenFakeFile& o = Handles.at(h);
  FakeFile& f = World().files.at(o.path);
  World().reads++;
  ++o.readCount;
  if (f.beforeRead) f.beforeRead(o.readCount, f);
  *got = 0;
  if (f.failReadNumber == o.readCount) return false;
  if (o.offset >= f.bytes.size()) return true;
  const std::size_t n = std::min<std::size_t>(want, f.bytes.size() - o.offset);
  std::memcpy(buffer, f.bytes.data() + o.offset, n);
  o.offset += n;
  *got = static_cast<std::uint32_t>(n);
  return true;
}

void CloseFile(FileRef h) {
  if (Handles.erase(h) != 1) {
    std::fprintf(stderr, "closing a handle that is not open\n");
    std::abort();
  }
  World().openHandles--;
}

void TrimWorkingSet() { World().trims++; }

void LopenFileSize(const char* path, std::int64_t* size) {
  FakeFile* f = Find(path);
  if (f && !f->lockedExclusive && !f->lopenFails) *size = ReportedSize(*f);
}

double AutomationFileSize(const char* path) {
  FakeFile* f = Find(path);
  return f && f->automationKnows ? static_cast<double>(ReportedSize(*f)) : 0.0;
}

// --- MD5 (RFC 1321), kept in the record's layout so the copy-in/copy-out is exercised.
struct Md5Ctx {
  std::uint32_t bitCount[2];
  std::uint32_t state[4];
  std::uint8_t block[64];
  std::uint8_t digest[16];
};
static_assert(sizeof(Md5Ctx) == Md5RecordSize, "record layout");

std::uint32_t Rotl(std::uint32_t x, int c) { return (x << c) | (x >> (32 - c)); }

void Transform(std::uint32_t s[4], const std::uint8_t block[64]) {
  static const std::uint32_t K[64] = {
      0xd76aa478, 0xe8c7b756, 0x242070db, 0xc1bdceee, 0xf57c0faf, 0x4787c62a, 0xa8304613, 0xfd469501,
      0x698098d8, 0x8b44f7af, 0xffff5bb1, 0x895cd7be, 0x6b901122, 0xfd987193, 0xa679438e, 0x49b40821,
      0xf61e2562, 0xc040b340, 0x265e5a51, 0xe9b6c7aa, 0xd62f105d, 0x02441453, 0xd8a1e681, 0xe7d3fbc8,
      0x21e1cde6, 0xc33707d6, 0xf4d50d87, 0x455a14ed, 0xa9e3e905, 0xfcefa3f8, 0x676f02d9, 0x8d2a4c8a,
      0xfffa3942, 0x8771f681, 0x6d9d6122, 0xfde5380c, 0xa4beea44, 0x4bdecfa9, 0xf6bb4b60, 0xbebfbc70,
      0x289b7ec6, 0xeaa127fa, 0xd4ef3085, 0x04881d05, 0xd9d4d039, 0xe6db99e5, 0x1fa27cf8, 0xc4ac5665,
      0xf4292244, 0x432aff97, 0xab9423a7, 0xfc93a039, 0x655b59c3, 0x8f0ccc92, 0xffeff47d, 0x85845dd1,
      0x6fa87e4f, 0xfe2ce6e0, 0xa3014314, 0x4e0811a1, 0xf7537e82, 0xbd3af235, 0x2ad7d2bb, 0xeb86d391};
  static const int R[64] = {7, 12, 17, 22, 7, 12, 17, 22, 7, 12, 17, 22, 7, 12, 17, 22, 5, 9,  14, 20, 5, 9,
                            14, 20, 5, 9,  14, 20, 5, 9,  14, 20, 4, 11, 16, 23, 4, 11, 16, 23, 4, 11, 16, 23,
                            4,  11, 16, 23, 6, 10, 15, 21, 6, 10, 15, 21, 6, 10, 15, 21, 6, 10, 15, 21};
  std::uint32_t m[16];
  for (int i = 0; i < 16; ++i)
    m[i] = block[i * 4] | (block[i * 4 + 1] << 8) | (block[i * 4 + 2] << 16) |
           (static_cast<std::uint32_t>(block[i * 4 + 3]) << 24);
  std::uint32_t a = s[0], b = s[1], c = s[2], d = s[3];
  for (int i = 0; i < 64; ++i) {
    std::uint32_t f;
    int g;
    if (i < 16) { f = (b & c) | (~b & d); g = i; }
    else if (i < 32) { f = (d & b) | (~d & c); g = (5 * i + 1) % 16; }
    else if (i < 48) { f = b ^ c ^ d; g = (3 * i + 5) % 16; }
    else { f = c ^ (b | ~d); g = (7 * i) % 16; }
    const std::uint32_t t = d;
    d = c;
    c = b;
    b = b + Rotl(a + f + K[i] + m[g], R[i]);
    a = t;
  }
  s[0] += a; s[1] += b; s[2] += c; s[3] += d;
}

void Md5Init(std::uint8_t* record) {
  Md5Ctx ctx = {};
  ctx.state[0] = 0x67452301; ctx.state[1] = 0xefcdab89; ctx.state[2] = 0x98badcfe; ctx.state[3] = 0x10325476;
  std::memcpy(record, &ctx, sizeof ctx);
}

void Md5Update(std::uint8_t* record, const std::uint8_t* bytes, std::uint32_t count) {
  Md5Ctx ctx;
  std::memcpy(&ctx, record, sizeof ctx);
  std::uint32_t have = (ctx.bitCount[0] >> 3) & 63;
  const std::uint64_t bits = ((static_cast<std::uint64_t>(ctx.bitCount[1]) << 32) | ctx.bitCount[0]) +
                             (static_cast<std::uint64_t>(count) << 3);
  ctx.bitCount[0] = static_cast<std::uint32_t>(bits);
  ctx.bitCount[1] = static_cast<std::uint32_t>(bits >> 32);
  for (std::uint32_t i = 0; i < count; ++i) {
    ctx.block[have++] = bytes[i];
    if (have == 64) { Transform(ctx.state, ctx.block); have = 0; }
  }
  std::memcpy(record, &ctx, sizeof ctx);
}

void Md5Final(std::uint8_t* record) {
  Md5Ctx ctx;
  std::memcpy(&ctx, record, sizeof ctx);
  std::uint8_t length[8];
  for (int i = 0; i < 4; ++i) {
    length[i] = static_cast<std::uint8_t>(ctx.bitCount[0] >> (8 * i));
    length[4 + i] = static_cast<std::uint8_t>(ctx.bitCount[1] >> (8 * i));
  }
  const std::uint32_t have = (ctx.bitCount[0] >> 3) & 63;
  static const std::uint8_t pad[64] = {0x80};
  std::memcpy(record, &ctx, sizeof ctx);
  Md5Update(record, pad, have < 56 ? 56 - have : 120 - have);
  Md5Update(record, length, 8);
  std::memcpy(&ctx, record, sizeof ctx);
  for (int i = 0; i < 16; ++i) ctx.digest[i] = static_cast<std::uint8_t>(ctx.state[i / 4] >> (8 * (i % 4)));
  std::memcpy(record, &ctx, sizeof ctx);
}

const char* PathFindFileName(const char* path) {
  // The last component after a backslash, slash or drive colon, character-aware.
  const char* name = path;
  for (const char* p = path; *p; ++p) {
    if (static_cast<unsigned char>(*p) >= 0x80 && p[1]) { ++p; continue; }
    if ((*p == '\\' || *p == '/' || *p == ':') && p[1]) name = p + 1;
  }
  return name;
}

// Mimics the Chinese shlwapi: bytes below 1 KB as "N 字节", else three digits and a unit.
void FormatByteSize(std::int64_t size, char* buffer, std::uint32_t capacity) {
  std::string text;
  if (size < 1024) {
    text = std::to_string(size) + " 字节";
  } else {
    static const char* const units[] = {"KB", "MB", "GB", "TB"};
    double v = static_cast<double>(size) / 1024;
    int u = 0;
    while (v >= 1024 && u < 3) { v /= 1024; ++u; }
    char num[32];
    std::snprintf(num, sizeof num, v < 10 ? "%.2f" : v < 100 ? "%.1f" : "%.0f", v);
    text = std::string(num) + " " + units[u];
  }
  std::snprintf(buffer, capacity, "%s", text.c_str());
}

void GetFileTimes(FileRef h, FileStamp* creation, FileStamp* lastWrite) {
  const FakeFile& f = World().files.at(Handles.at(h).path);
  *creation = f.creation;
  *lastWrite = f.lastWrite;
}

// The rig's local time is UTC+8.
void ToLocalFileTime(const FileStamp* stamp, FileStamp* local) { *local = *stamp + 8ull * 3600 * 10000000; }

void ToSystemTime(const FileStamp* stamp, CalendarTime* t) {
  std::uint64_t seconds = *stamp / 10000000;
  std::uint64_t days = seconds / 86400;
  const std::uint64_t rest = seconds % 86400;
  t->hour = static_cast<std::uint16_t>(rest / 3600);
  t->minute = static_cast<std::uint16_t>(rest / 60 % 60);
  t->second = static_cast<std::uint16_t>(rest % 60);
  t->milliseconds = static_cast<std::uint16_t>(*stamp / 10000 % 1000);
  t->dayOfWeek = static_cast<std::uint16_t>((days + 1) % 7);  // 1601-01-01 was a Monday
  int year = 1601;
  auto leap = [](int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; };
  while (days >= static_cast<std::uint64_t>(leap(year) ? 366 : 365)) days -= leap(year++) ? 366 : 365;
  static const int month_days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  int month = 0;
  for (;; ++month) {
    const int n = month_days[month] + (month == 1 && leap(year));
    if (days < static_cast<std::uint64_t>(n)) break;
    days -= n;
  }
  t->year = static_cast<std::uint16_t>(year);
  t->month = static_cast<std::uint16_t>(month + 1);
  t->day = static_cast<std::uint16_t>(days + 1);
}

void FormatDate(const CalendarTime* t, const char*, char* buffer, int capacity) {
  std::snprintf(buffer, static_cast<std::size_t>(capacity), "%04u-%02u-%02u", t->year, t->month, t->day);
}

void FormatTime(const CalendarTime* t, const char*, char* buffer, int capacity) {
  std::snprintf(buffer, static_cast<std::size_t>(capacity), "%02u:%02u:%02u", t->hour, t->minute, t->second);
}

std::uint32_t Ticks() {
  const std::uint32_t now = World().tick;
  World().tick += World().tickStep;
  return now;
}

void Pump() {
  World().pumps++;
  if (World().onPump) {
    auto action = World().onPump;  // the action may replace itself
    action();
  }
}

const SystemCalls FakeTable = {OpenFile,      SeekFile,         ReadFile,     CloseFile,   TrimWorkingSet,
                               LopenFileSize, AutomationFileSize, Md5Init,    Md5Update,   Md5Final,
                               PathFindFileName, FormatByteSize,  GetFileTimes, ToLocalFileTime, ToSystemTime,
                               FormatDate,    FormatTime,       Ticks,        Pump};

}  // namespace

SystemCalls& Sys() {
  static SystemCalls table = FakeTable;
  return table;
}

FakeWorld& World() {
  if (!TheWorld) TheWorld = new FakeWorld();
  return *TheWorld;
}

void ResetWorld() {
  delete TheWorld;
  TheWorld = new FakeWorld();
  Handles.clear();
  Sys() = FakeTable;
}

std::string Md5Hex(const std::string& bytes) {
  std::uint8_t record[Md5RecordSize];
  Md5Init(record);
  Md5Update(record, reinterpret_cast<const std::uint8_t*>(bytes.data()), static_cast<std::uint32_t>(bytes.size()));
  Md5Final(record);
  static const char hex[] = "0123456789ABCDEF";
  std::string out;
  for (int i = 88; i < 104; ++i) {
    out += hex[record[i] >> 4];
    out += hex[record[i] & 15];
  }
  return out;
}

void FatalErrorBox(const Text& message) {
  std::fprintf(stderr, "fatal: %s\n", message.c_str());
  std::abort();
}
