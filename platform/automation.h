#pragma once

// The "Size" of "scripting.FileSystemObject".GetFile(path), late-bound through
// IDispatch, as a double. 0.0 when the object, the file or the value is missing.
// Needs COM initialised on the calling thread; it initialises nothing itself.
double AutomationFileSize(const char* path);
