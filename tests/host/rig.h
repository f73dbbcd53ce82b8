// The fixture every host test starts from: a fresh fake world and fresh globals.
#pragma once

#include <gtest/gtest.h>

#include "digest/digest.h"
#include "tests/host/fake_system.h"

class Rig : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetWorld();
    InitGlobals();
    RunningFlag = 0;
  }
  void TearDown() override {
    EXPECT_EQ(World().openHandles, 0) << "a file was left open";
    FreeGlobals();
  }
  static FakeFile& AddFile(const std::string& path, std::string bytes) {
    FakeFile& f = World().files[path];
    f.bytes = std::move(bytes);
    return f;
  }
  static FakeFile& AddFileOfSize(const std::string& path, std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 131 + 7) >> 3);
    return AddFile(path, std::move(bytes));
  }
};
