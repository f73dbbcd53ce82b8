// The output operations on plain memory.
#include "batch/output.h"
#include "tests/host/fake_system.h"

Text OutputText() { return World().box; }
bool OutputIsEmpty() { return World().box.empty(); }
void AppendOutput(const Text& text) { World().box += text; }
void SetOutputText(const Text& text) { World().box = text; }
void SetProgress(std::int32_t position) { World().progress.push_back(position); }
