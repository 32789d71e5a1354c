#pragma once

// The one set of rules for splitting, trimming, converting and measuring
// texts. Every text is a GBK byte string; every rule works on bytes and
// walks double-byte characters as one character where it scans (a byte of
// 0x80 or above swallows the byte after it). Reading, writing, checking and
// picking all go through these so that what one writes the other reads back.

#include <concepts>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace galewright {

// Length of the character that starts at text[pos]: 2 for a lead byte
// (0x80 or above), else 1. May reach past the end for a lone lead byte.
inline std::size_t characterLength(unsigned char byte) { return byte >= 0x80 ? 2 : 1; }

inline constexpr int kNoLimit = std::numeric_limits<int>::max();

// Parts of text between separators. A trailing separator makes no empty last
// part; parts past `maximum` are dropped, and a negative maximum gives no
// parts. The views point into `text`.
std::vector<std::string_view> splitTextViews(std::string_view text, std::string_view separator = ",",
                                             int maximum = kNoLimit);
std::vector<std::string> splitText(std::string_view text, std::string_view separator = ",",
                                   int maximum = kNoLimit);

// Blanks are 0x20 and the full-width space 0xA1 0xA1, nothing else. A lone
// lead byte at the very end is dropped too.
std::string_view trimBlanksView(std::string_view text);
std::string trimBlanks(std::string_view text);

std::int32_t textToInt(std::string_view text);
std::int64_t textToInt64(std::string_view text);

std::string numberToText(std::int64_t value);
std::string numberToText(double value); // "%.13g"
std::string numberToText(bool value);   // 真 / 假
template <std::integral T>
    requires(!std::same_as<T, bool>)
std::string numberToText(T value)
{
    return numberToText(static_cast<std::int64_t>(value));
}

double roundTo(double x, int decimals = 0);
double intDivide(double a, double b);

std::size_t byteLength(std::string_view text);
std::string leftBytes(std::string_view text, std::int64_t count);
std::string rightBytes(std::string_view text, std::int64_t count);
std::string midBytes(std::string_view text, std::int64_t start, std::int64_t count);
std::int64_t findText(std::string_view text, std::string_view searched, std::int64_t start = 1);
std::string removeBytes(std::string_view text, std::int64_t start, std::int64_t count);
std::string upperAscii(std::string_view text);
int byteValue(std::string_view text);

} // namespace galewright
