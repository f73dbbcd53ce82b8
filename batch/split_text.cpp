#include "batch/batch.h"

std::vector<Text> SplitText(const Text& text, const Text& separator) {
  std::vector<Text> pieces;
  if (text.empty() || separator.empty()) {
    if (!text.empty()) pieces.push_back(text);
    return pieces;
  }
  std::size_t start = 0;
  std::size_t i = 0;
  while (text.size() - i >= separator.size()) {
    if (text.compare(i, separator.size(), separator) == 0) {
      pieces.push_back(text.substr(start, i - start));
      i += separator.size();
      start = i;
    } else {
      i += CharLength(text, i);
    }
  }
  if (start < text.size()) pieces.push_back(text.substr(start));
  return pieces;
}
