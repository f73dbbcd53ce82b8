// An in-memory stand-in for the Windows services, so the core runs natively
// under the sanitizers. Files are byte strings by path; every call is counted.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/system.h"

struct FakeFile {
  std::string bytes;
  std::int64_t reportedSize = -1;  // what the size sources say; -1: bytes.size()
  bool lockedExclusive = false;     // held open by another program without sharing
  bool lopenFails = false;          // _lopen cannot open it; the automation source still can
  bool automationKnows = true;
  FileStamp creation = 0;
  FileStamp lastWrite = 0;
  int failReadNumber = 0;  // the nth read (1-based) fails
  // Called before each read with the read's number; may change the file.
  std::function<void(int, FakeFile&)> beforeRead;
};

struct FakeWorld {
  std::map<std::string, FakeFile> files;
  std::uint32_t tick = 1000;
  std::uint32_t tickStep = 0;  // added on every reading
  std::function<void()> onPump;
  int pumps = 0;
  int opens = 0;
  int openHandles = 0;
  int reads = 0;
  int trims = 0;
  std::vector<std::string> openedPaths;

  // The window's side: the output box and the progress positions set.
  std::string box;
  std::vector<std::int32_t> progress;
};

// The world the fake table acts on; reset by the fixture for each test.
FakeWorld& World();
void ResetWorld();

// RFC 1321 MD5, written for the rig only, behind the same 104-byte record.
std::string Md5Hex(const std::string& bytes);
