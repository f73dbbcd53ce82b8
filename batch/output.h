// What the batch and the digest need of the window. The window provides these
// on its real controls; the tests provide them on plain memory.
#pragma once

#include <cstdint>

#include "platform/text.h"

// A fresh copy of the output box's whole text, user edits included.
Text OutputText();
// True when the box holds no text; the same answer as OutputText().empty()
// without copying the report.
bool OutputIsEmpty();
// Adds the text at the very end of the box, whatever the caret or selection.
void AppendOutput(const Text& text);
// Replaces the box's whole text.
void SetOutputText(const Text& text);
// Moves the progress bar, on the scale 0 to ProgressScale; values outside show
// an empty or a full bar.
void SetProgress(std::int32_t position);
