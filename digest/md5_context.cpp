#include <cstring>

#include "digest/digest.h"
#include "platform/fatal.h"
#include "platform/system.h"

std::unique_ptr<Md5State> Md5Context;
Text DigestText;

void InitGlobals() {
  Md5Context.reset(new (std::nothrow) Md5State());
  if (!Md5Context) FatalErrorBox("内存不足：无法创建 MD5 上下文。");
  DigestText.clear();
}

void FreeGlobals() {
  Md5Context.reset();
  Text().swap(DigestText);
}

namespace {

// The MD5 functions take a 104-byte record: bitCount at 0, state at 8, block at
// 24, digest at 88, little-endian. It is made fresh from Md5Context for each call
// and copied back afterwards, so the state lives in one place between calls.
struct Md5Record {
  std::uint8_t bytes[Md5RecordSize] = {};

  Md5Record() {
    const Md5State& s = *Md5Context;
    std::memcpy(bytes + 0, s.bitCount.data(), 8);
    std::memcpy(bytes + 8, s.state.data(), 16);
    std::memcpy(bytes + 24, s.block.data(), 64);
    std::memcpy(bytes + 88, s.digest.data(), 16);
  }
  void CopyBack() const {
    Md5State& s = *Md5Context;
    std::memcpy(s.bitCount.data(), bytes + 0, 8);
    std::memcpy(s.state.data(), bytes + 8, 16);
    std::memcpy(s.block.data(), bytes + 24, 64);
    std::memcpy(s.digest.data(), bytes + 88, 16);
  }
};

}  // namespace

void Md5Begin() {
  Md5Record record;
  Sys().md5Init(record.bytes);
  record.CopyBack();
  DigestText.clear();
}

void Md5Feed(const std::uint8_t* chunk, std::uint32_t length) {
  Md5Record record;
  Sys().md5Update(record.bytes, length ? chunk : nullptr, length);
  record.CopyBack();
  PumpEvents();
}

void Md5Finish() {
  Md5Record record;
  Sys().md5Final(record.bytes);
  record.CopyBack();
  static const char hex[] = "0123456789ABCDEF";
  DigestText.clear();
  for (std::uint8_t b : Md5Context->digest) {
    DigestText += hex[b >> 4];
    DigestText += hex[b & 15];
  }
}

Text CopyDigestText() { return DigestText; }
