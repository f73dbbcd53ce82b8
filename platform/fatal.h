#pragma once

#include "platform/text.h"

// Shows a modal error box naming the failure, drops the exit routines uncalled,
// releases the libraries loaded by name and OLE, and ends the process with -1.
[[noreturn]] void FatalErrorBox(const Text& message);
