// One drop, one batch: every dropped path gets its digest and a report block.
#pragma once

#include <vector>

#include "platform/text.h"

extern const char* const ReportSeparator;  // 49 hyphens, CR LF

// Splits at every separator that starts on a character boundary. A trailing
// separator adds no empty piece; an empty text gives no pieces.
std::vector<Text> SplitText(const Text& text, const Text& separator);

// Runs the batch for a drop text of paths separated by CR LF. It may be entered
// again from inside its own event dispatch, by a further drop.
void HandleDroppedFiles(const Text& dropText);
