#include "columnrules.h"

#include "textrules.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace galewright {

namespace {

constexpr std::array<std::string_view, 8> kBasinCodes = {"AL", "CP", "EP", "IO", "LS", "SH", "SL", "WP"};
constexpr std::array<std::string_view, 17> kQuadrantCodes = {"AAA", "NNS", "NES", "EES", "SES", "SSS",
                                                             "SWS", "WWS", "NWS", "NNQ", "NEQ", "EEQ",
                                                             "SEQ", "SSQ", "SWQ", "WWQ", "NWQ"};
constexpr std::array<std::string_view, 9> kSubregionLetters = {"A", "B", "C", "E", "L", "P", "Q", "S", "W"};
constexpr std::array<std::string_view, 4> kDepthLetters = {"D", "M", "S", "X"};

// Largest value of each bounded-count column, 0 for the other columns.
constexpr std::array<int, 46> kCountMaximum = [] {
    std::array<int, 46> maximum{};
    maximum[9] = 300;
    maximum[10] = 1100;
    maximum[12] = 999;
    for (int k = 14; k <= 17; ++k)
        maximum[static_cast<std::size_t>(k)] = 1200;
    maximum[18] = 1050;
    maximum[19] = 9999;
    maximum[20] = 999;
    maximum[21] = 995;
    maximum[22] = 999;
    maximum[24] = 999;
    maximum[26] = 359;
    maximum[27] = 999;
    maximum[30] = 99;
    for (int k = 32; k <= 35; ++k)
        maximum[static_cast<std::size_t>(k)] = 999;
    return maximum;
}();

constexpr std::int64_t kLatitudeMaximum = 900;
constexpr std::int64_t kLongitudeMaximum = 1800;
constexpr std::int64_t kEarliestDateTime = 10100;      // 0000010100
constexpr std::int64_t kLatestDateTime = 9999123123LL; // 9999123123

bool isDigit(char byte) { return byte >= '0' && byte <= '9'; }

template <std::size_t N>
bool isOneOf(std::string_view text, const std::array<std::string_view, N>& codes)
{
    return std::find(codes.begin(), codes.end(), text) != codes.end();
}

// A "0" in front of a number longer than n bytes.
bool hasLeadingZero(std::string_view text, std::size_t n) { return !text.empty() && text[0] == '0' && text.size() > n; }

// The number that textToInt reads from a text made of digits and minus
// signs, but without its 32-bit wrap-around: ten digits such as 4294967296
// must not pass a bound by wrapping to 0 or to a negative number. Equal to
// textToInt for every number that fits 32 bits.
std::int64_t countValue(std::string_view text)
{
    constexpr std::int64_t kCeiling = 1'000'000'000'000LL; // beyond every bound, far from overflow
    std::size_t pos = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (negative)
        ++pos;
    std::int64_t value = 0;
    for (; pos < text.size() && isDigit(text[pos]); ++pos)
        value = std::min(kCeiling, value * 10 + (text[pos] - '0'));
    return negative ? -value : value;
}

// Digits (and minus signs when allowed) only; the text is already trimmed.
bool onlyDigits(std::string_view text, bool allowMinus)
{
    for (char byte : text)
        if (!isDigit(byte) && !(allowMinus && byte == '-'))
            return false;
    return true;
}

// The position test on an already trimmed text.
bool isPosition(std::string_view text, char first, char second, std::int64_t maximum)
{
    if (text.empty() || (text.back() != first && text.back() != second))
        return false;
    const std::string_view digits = text.substr(0, text.size() - 1);
    if (!onlyDigits(digits, false))
        return false;
    const std::int64_t value = countValue(digits);
    return value >= 0 && value <= maximum;
}

bool passesBoundedCount(std::string_view text, int maximum)
{
    return onlyDigits(text, false) && countValue(text) <= maximum && !hasLeadingZero(text, 1);
}

bool passesDateTime(std::string_view text)
{
    if (text.size() != 10 || !onlyDigits(text, false))
        return false;
    const std::int64_t value = textToInt64(text);
    // The upper end is a difference compared in double precision; for ten
    // digits it is exact, so this is value > 9999123123.
    return value >= kEarliestDateTime && !(static_cast<double>(value - kLatestDateTime) > 1e-7);
}

bool passesSignedCount(std::string_view text)
{
    if (text.empty() || !onlyDigits(text, true) || hasLeadingZero(text, 1))
        return false;
    const std::int64_t value = countValue(text);
    return value >= -24 && value <= 120;
}

} // namespace

bool isDigitText(std::string_view text, bool allowMinus) { return onlyDigits(trimBlanksView(text), allowMinus); }

bool containsComma(std::string_view text) { return trimBlanksView(text).find(',') != std::string_view::npos; }

bool isLatitudeText(std::string_view text) { return isPosition(trimBlanksView(text), 'N', 'S', kLatitudeMaximum); }

bool isLongitudeText(std::string_view text) { return isPosition(trimBlanksView(text), 'E', 'W', kLongitudeMaximum); }

bool hasColumnRule(int column) { return column == 1 || (column >= 3 && column <= 44); }

bool columnRulePasses(int column, std::string_view text)
{
    // The text arrives trimmed and trimming again would change nothing, so
    // the rules use the shared tests without their own trim.
    switch (column) {
    case 1:
        return isOneOf(text, kBasinCodes);
    case 3:
        return passesDateTime(text);
    case 4:
        return text.empty() || (text.size() == 2 && isDigit(text[0]) && isDigit(text[1]));
    case 6:
        return passesSignedCount(text);
    case 7:
        return text.size() >= 2 && isPosition(text, 'N', 'S', kLatitudeMaximum) && !hasLeadingZero(text, 2);
    case 8:
        return text.size() >= 2 && isPosition(text, 'E', 'W', kLongitudeMaximum) && !hasLeadingZero(text, 2);
    case 13:
    case 31:
        return text.empty() || isOneOf(text, kQuadrantCodes);
    case 23:
        return text.empty() || isOneOf(text, kSubregionLetters);
    case 29:
        return text.empty() || isOneOf(text, kDepthLetters);
    case 18: {
        if (!passesBoundedCount(text, kCountMaximum[18]))
            return false;
        const std::int64_t value = countValue(text);
        return value == 0 || value >= 900;
    }
    default:
        break;
    }
    if (column < 1 || column > 45 || !hasColumnRule(column))
        return true;
    const int maximum = kCountMaximum[static_cast<std::size_t>(column)];
    if (maximum > 0)
        return passesBoundedCount(text, maximum);
    // Columns 5, 11, 25, 28 and 36 to 44: free text that must not hold the
    // field separator.
    return text.find(',') == std::string_view::npos;
}

} // namespace galewright
