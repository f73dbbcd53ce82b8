#pragma once

#include <vector>

#include "batch/output.h"

struct MemoryOutput {
  Text box;
  std::vector<std::int32_t> progress;
};
MemoryOutput& Output();
