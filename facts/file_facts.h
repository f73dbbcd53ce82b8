// The name, size and time texts of a file's report lines.
#pragma once

#include "platform/text.h"

// The last component of the path, extension included; empty when its last
// byte is a backslash.
Text FileNameText(const Text& path);

// The short size with unit, three blanks, then the exact byte count:
// "1.50 MB   (1572864)字节".
Text FileSizeText(const Text& path);

// Replaces both texts with the file's creation and last-write times in local
// time, "yyyy-MM-dd HH:mm:ss"; leaves both as they were when the file cannot
// be opened.
void FileTimeTexts(const Text& path, Text& creation, Text& lastWrite);
