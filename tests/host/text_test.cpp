#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "platform/text.h"

TEST(NumberText, Integers) {
  const struct {
    std::int64_t value;
    const char* text;
  } cases[] = {{0, "0"},
               {7, "7"},
               {-42, "-42"},
               {4294967296LL, "4294967296"},
               {6442450944LL, "6442450944"},
               {INT64_MAX, "9223372036854775807"},
               {INT64_MIN, "-9223372036854775808"}};
  for (const auto& c : cases) EXPECT_EQ(NumberText(c.value), c.text) << c.value;
}

TEST(NumberText, ElapsedSecondsAreExactMilliseconds) {
  const struct {
    int ms;
    const char* text;
  } cases[] = {{0, "0"},      {1, "0.001"},     {16, "0.016"},   {100, "0.1"},
               {1234, "1.234"}, {2500, "2.5"},  {12000, "12"},   {3600000, "3600"},
               {-16, "-0.016"}, {999, "0.999"}, {4294967, "4294.967"}};
  for (const auto& c : cases) EXPECT_EQ(NumberText(c.ms / 1000.0), c.text) << c.ms;
}

TEST(NumberText, GeneralFormWithThirteenDigits) {
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {0.1 + 0.2, "0.3"},                    // rounded to 13 digits
      {1.0 / 3, "0.3333333333333"},
      {2.0 / 3, "0.6666666666667"},
      {0.0001, "0.0001"},                    // X = -4 stays positional
      {0.00001, "1e-005"},                   // X = -5 switches, exponent padded to three digits
      {1234567890123.0, "1234567890123"},    // X = 12: no point
      {12345678901234.0, "1.234567890123e+013"},
      {9999999999999.5, "1e+013"},           // rounding carries into the exponent
      {1e100, "1e+100"},
      {-2.5e-300, "-2.5e-300"},
      {123.456, "123.456"},
  };
  for (const auto& c : cases) EXPECT_EQ(NumberText(c.value), c.text) << c.value;
}

TEST(NumberText, AgreesWithTheCRuntimeBesidesTheExponentWidth) {
  // glibc writes at least two exponent digits; ours writes at least three.
  const double values[] = {3.14159265358979, 1e-7, 6.02214076e23, 5e-324, 1.7976931348623157e308, 0.5, 1e15};
  for (double v : values) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.13g", v);
    Text expected = buf;
    const std::size_t e = expected.find('e');
    if (e != Text::npos && expected.size() - e - 2 < 3) expected.insert(e + 2, 3 - (expected.size() - e - 2), '0');
    EXPECT_EQ(NumberText(v), expected) << v;
  }
}

TEST(ReplaceText, StepsOverDoubleByteCharacters) {
  const struct {
    const char* text;
    const char* expected;
  } cases[] = {
      {"0 字节", "0 B"},
      {"1.50 KB", "1.50 KB"},
      {"字节字节", "BB"},
      {"12 字节 字节", "12 B B"},
      // "\xD7\xD6\xBD\xDA" is 字节; shifted by one byte it must not match.
      {"\xB0\xD7\xD6\xBD\xDA", "\xB0\xD7\xD6\xBD\xDA"},
      {"", ""},
      {"字", "字"},
  };
  for (const auto& c : cases) EXPECT_EQ(ReplaceText(c.text, "字节", "B"), c.expected) << c.text;
}

TEST(TruncToInt64, TowardZeroAndSafeOutOfRange) {
  EXPECT_EQ(TruncToInt64(2.9), 2);
  EXPECT_EQ(TruncToInt64(-2.9), -2);
  EXPECT_EQ(TruncToInt64(9.3e18), INT64_MIN);
  EXPECT_EQ(TruncToInt64(-1e19), INT64_MIN);
  EXPECT_EQ(TruncToInt64(std::nan("")), INT64_MIN);
  EXPECT_EQ(Low32(2621440000LL), -1673527296);
}
