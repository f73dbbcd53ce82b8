// Texts are byte strings in the ANSI code page (GBK). A byte of 0x80 or above
// starts a two-byte character, so every scan steps over such a pair whole.
#pragma once

#include <cstdint>
#include <string>

using Text = std::string;

inline bool IsLeadByte(unsigned char b) { return b >= 0x80; }

// Length of the character that starts at text[i]: 2 for a lead byte with a
// trail byte behind it, 1 otherwise (a lead byte before the end counts alone).
inline std::size_t CharLength(const Text& text, std::size_t i) {
  return IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
}

// Decimal, a minus sign only when negative, no grouping, no leading zeros.
Text NumberText(std::int64_t value);

// The C "%.13g" form, written out by hand so that every C runtime gives the
// same bytes (MSVCRT pads the exponent to three digits, glibc to two).
Text NumberText(double value);

// Every non-overlapping occurrence of `word` that starts on a character
// boundary becomes `replacement`.
Text ReplaceText(const Text& text, const Text& word, const Text& replacement);

// The bytes up to the first NUL: what a Windows routine wrote into a buffer.
Text UpToNul(const Text& buffer);

// trunc toward zero to signed 64 bits; out of range and NaN give INT64_MIN,
// as the x87/SSE conversion does, instead of undefined behaviour.
std::int64_t TruncToInt64(double value);

inline std::int32_t Low32(std::int64_t value) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(value)));
}
