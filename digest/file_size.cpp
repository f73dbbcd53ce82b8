#include "digest/digest.h"
#include "platform/system.h"

std::int64_t QueryFileSize(const Text& path) {
  std::int64_t size = 0;
  Sys().lopenFileSize(path.c_str(), &size);
  if (size != 0) return size;
  // The slower second source learns the size of files _lopen cannot open,
  // for instance one that another program holds without sharing.
  return TruncToInt64(Sys().automationFileSize(path.c_str()));
}
