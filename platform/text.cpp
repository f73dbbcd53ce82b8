#include "platform/text.h"

#include <charconv>
#include <cmath>
#include <cstring>

Text NumberText(std::int64_t value) {
  char buf[24];
  auto end = std::to_chars(buf, buf + sizeof buf, value).ptr;
  return Text(buf, end);
}

namespace {

// Drops trailing zeros of a fraction, then the point if nothing follows it.
void TrimFraction(Text& digits) {
  if (digits.find('.') == Text::npos) return;
  while (digits.back() == '0') digits.pop_back();
  if (digits.back() == '.') digits.pop_back();
}

}  // namespace

Text NumberText(double value) {
  if (std::isnan(value)) return std::signbit(value) ? "-nan" : "nan";
  if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
  if (value == 0) return std::signbit(value) ? "-0" : "0";

  // Thirteen significant digits, correctly rounded: d.dddddddddddde[+-]x
  char sci[40];
  auto end = std::to_chars(sci, sci + sizeof sci, value, std::chars_format::scientific, 12).ptr;
  Text s(sci, end);
  const std::size_t e = s.find('e');
  const int exponent = std::atoi(s.c_str() + e + 1);
  Text sign;
  Text mantissa = s.substr(0, e);
  if (mantissa[0] == '-') {
    sign = "-";
    mantissa.erase(0, 1);
  }
  Text digits = mantissa.substr(0, 1) + mantissa.substr(2);  // 13 digits, no point

  if (exponent >= -4 && exponent < 13) {
    Text out;
    if (exponent < 0) {
      out = "0." + Text(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else {
      out = digits.substr(0, static_cast<std::size_t>(exponent) + 1);
      if (static_cast<std::size_t>(exponent) + 1 < digits.size())
        out += "." + digits.substr(static_cast<std::size_t>(exponent) + 1);
    }
    TrimFraction(out);
    return sign + out;
  }
  TrimFraction(mantissa);
  const int magnitude = exponent < 0 ? -exponent : exponent;
  Text exp = std::to_string(magnitude);
  if (exp.size() < 3) exp.insert(0, 3 - exp.size(), '0');
  return sign + mantissa + "e" + (exponent < 0 ? "-" : "+") + exp;
}

Text ReplaceText(const Text& text, const Text& word, const Text& replacement) {
  if (word.empty()) return text;
  Text out;
  std::size_t i = 0;
  while (text.size() - i >= word.size()) {
    if (text.compare(i, word.size(), word) == 0) {
      out += replacement;
      i += word.size();
    } else {
      const std::size_t n = CharLength(text, i);
      out.append(text, i, n);
      i += n;
    }
  }
  out.append(text, i, Text::npos);
  return out;
}

Text UpToNul(const Text& buffer) { return Text(buffer.c_str()); }

std::int64_t TruncToInt64(double value) {
  // [-2^63, 2^63) converts; no double lies strictly between -2^63 - 1 and -2^63.
  if (!(value >= -9223372036854775808.0 && value < 9223372036854775808.0)) return INT64_MIN;
  return static_cast<std::int64_t>(value);
}
