// The MD5 digest of one file, read in chunks with live progress and a stop check.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "platform/text.h"

constexpr std::uint32_t ChunkSize = 5242880;  // the most one read asks for
constexpr std::int32_t ProgressScale = 10000;  // the progress bar's full scale

// 1 while a batch runs. Stop and the batch's end clear it; DigestFile checks it
// between chunks. One thread touches it, so a plain integer does.
extern std::int32_t RunningFlag;

// The MD5 working state kept between the calls into the MD5 functions.
struct Md5State {
  std::array<std::uint32_t, 2> bitCount{};
  std::array<std::uint32_t, 4> state{};
  std::array<std::uint8_t, 64> block{};
  std::array<std::uint8_t, 16> digest{};
};

extern std::unique_ptr<Md5State> Md5Context;  // from InitGlobals to FreeGlobals
extern Text DigestText;                       // the last finished digest, 32 hex digits

extern const char* const FileErrorText;  // "文件错误！"
extern const char* const FileBusyText;   // "文件已被占用！"
extern const char* const StoppedText;    // "已停止！"

void InitGlobals();
void FreeGlobals();

void Md5Begin();
void Md5Feed(const std::uint8_t* chunk, std::uint32_t length);
void Md5Finish();
Text CopyDigestText();

// The length in bytes; 0 when neither source can learn it.
std::int64_t QueryFileSize(const Text& path);

// 32 upper-case hex digits, or one of the three failure texts above.
Text DigestFile(const Text& path);

// The progress step of one pass: trunc(((step + ChunkSize) / size) * ProgressScale),
// low 32 bits, each operation rounded to double.
std::int32_t NextProgressStep(std::int32_t step, std::int64_t size);
