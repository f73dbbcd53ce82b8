// The output operations on memory, for tests of the core on the real platform.
#include "tests/wine/memory_output.h"

MemoryOutput& Output() {
  static MemoryOutput output;
  return output;
}

Text OutputText() { return Output().box; }
bool OutputIsEmpty() { return Output().box.empty(); }
void AppendOutput(const Text& text) { Output().box += text; }
void SetOutputText(const Text& text) { Output().box = text; }
void SetProgress(std::int32_t position) { Output().progress.push_back(position); }
