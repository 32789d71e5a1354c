#include "textrules.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace galewright {

namespace {

bool isBlankAt(std::string_view text, std::size_t pos)
{
    const auto byte = static_cast<unsigned char>(text[pos]);
    if (byte == 0x20)
        return true;
    return byte == 0xA1 && pos + 1 < text.size() && static_cast<unsigned char>(text[pos + 1]) == 0xA1;
}

template <typename Unsigned>
Unsigned parseWrapping(std::string_view text)
{
    // Fold full-width forms first so that "１２" or "－７" read as numbers; only
    // the first few characters matter, so fold lazily while parsing.
    std::size_t pos = 0;
    auto nextFolded = [&](int& out) -> bool {
        if (pos >= text.size())
            return false;
        const auto b0 = static_cast<unsigned char>(text[pos]);
        if (b0 < 0x80) {
            out = b0;
            pos += 1;
            return true;
        }
        if (pos + 1 >= text.size()) {
            out = b0; // a lone lead byte stays itself and ends any number
            pos += 1;
            return true;
        }
        const auto b1 = static_cast<unsigned char>(text[pos + 1]);
        pos += 2;
        if (b0 == 0xA3 && b1 >= 0xA1 && b1 <= 0xFE)
            out = b1 - 0x80;
        else if (b0 == 0xA1 && b1 == 0xA1)
            out = 0x20;
        else if (b0 == 0xA1 && b1 == 0xAB)
            out = 0x7E;
        else if (b0 == 0xA1 && (b1 == 0xEE || b1 == 0xEF))
            out = 0x2A;
        else
            out = 0x100; // any other double-byte character: not a digit, sign or space
        return true;
    };

    int c = 0;
    bool have = nextFolded(c);
    while (have && (c == 0x20 || (c >= 0x09 && c <= 0x0D)))
        have = nextFolded(c);
    bool negative = false;
    if (have && (c == '+' || c == '-')) {
        negative = c == '-';
        have = nextFolded(c);
    }
    Unsigned value = 0;
    while (have && c >= '0' && c <= '9') {
        value = static_cast<Unsigned>(value * 10u + static_cast<Unsigned>(c - '0'));
        have = nextFolded(c);
    }
    if (negative)
        value = static_cast<Unsigned>(Unsigned(0) - value);
    return value;
}

} // namespace

std::vector<std::string_view> splitTextViews(std::string_view text, std::string_view separator, int maximum)
{
    std::vector<std::string_view> parts;
    if (maximum < 0)
        maximum = 0;
    if (text.empty() || maximum == 0)
        return parts;
    if (separator.empty()) {
        parts.push_back(text);
        return parts;
    }
    const std::size_t n = text.size();
    const std::size_t sepLen = separator.size();
    std::size_t start = 0;
    std::size_t pos = 0;
    while (pos < n) {
        if (n - pos >= sepLen && std::memcmp(text.data() + pos, separator.data(), sepLen) == 0) {
            parts.push_back(text.substr(start, pos - start));
            pos += sepLen;
            start = pos;
            if (parts.size() >= static_cast<std::size_t>(maximum))
                return parts;
            continue;
        }
        pos += characterLength(static_cast<unsigned char>(text[pos]));
    }
    if (start < n)
        parts.push_back(text.substr(start));
    return parts;
}

std::vector<std::string> splitText(std::string_view text, std::string_view separator, int maximum)
{
    std::vector<std::string> parts;
    for (auto view : splitTextViews(text, separator, maximum))
        parts.emplace_back(view);
    return parts;
}

std::string_view trimBlanksView(std::string_view text)
{
    const std::size_t n = text.size();
    std::size_t start = 0;
    while (start < n && isBlankAt(text, start))
        start += static_cast<unsigned char>(text[start]) == 0x20 ? 1 : 2;
    // End of the last character that is neither a blank nor a lone lead byte.
    std::size_t end = start;
    std::size_t pos = start;
    while (pos < n) {
        const auto byte = static_cast<unsigned char>(text[pos]);
        if (byte == 0x20) {
            pos += 1;
        } else if (byte >= 0x80) {
            if (pos + 1 >= n)
                break; // incomplete double-byte character: dropped
            const bool blank = byte == 0xA1 && static_cast<unsigned char>(text[pos + 1]) == 0xA1;
            pos += 2;
            if (!blank)
                end = pos;
        } else {
            pos += 1;
            end = pos;
        }
    }
    return text.substr(start, end - start);
}

std::string trimBlanks(std::string_view text) { return std::string(trimBlanksView(text)); }

std::int32_t textToInt(std::string_view text)
{
    return static_cast<std::int32_t>(parseWrapping<std::uint32_t>(text));
}

std::int64_t textToInt64(std::string_view text)
{
    return static_cast<std::int64_t>(parseWrapping<std::uint64_t>(text));
}

std::string numberToText(std::int64_t value)
{
    char buffer[32];
    const int length = std::snprintf(buffer, sizeof buffer, "%lld", static_cast<long long>(value));
    return std::string(buffer, static_cast<std::size_t>(length));
}

std::string numberToText(double value)
{
    char buffer[64];
    const int length = std::snprintf(buffer, sizeof buffer, "%.13g", value);
    return std::string(buffer, static_cast<std::size_t>(length));
}

std::string numberToText(bool value) { return value ? "\xD5\xE6" /* 真 */ : "\xBC\xD9" /* 假 */; }

double roundTo(double x, int decimals)
{
    if (x == 0)
        return x;
    const bool negative = std::signbit(x);
    const double magnitude = std::fabs(x);
    double scaled = magnitude;
    if (decimals > 0)
        scaled = magnitude * std::pow(10.0, decimals);
    else if (decimals < 0)
        scaled = magnitude / std::pow(10.0, -decimals);
    double integral = 0;
    const double fraction = std::modf(scaled + 1e-12, &integral);
    if (fraction >= 0.5)
        integral += 1;
    double result = integral;
    if (decimals > 0)
        result = integral / std::pow(10.0, decimals);
    else if (decimals < 0)
        result = integral * std::pow(10.0, -decimals);
    return negative ? -result : result;
}

double intDivide(double a, double b) { return std::trunc(a / b); }

std::size_t byteLength(std::string_view text) { return text.size(); }

std::string leftBytes(std::string_view text, std::int64_t count)
{
    if (count <= 0)
        return {};
    return std::string(text.substr(0, static_cast<std::size_t>(count)));
}

std::string rightBytes(std::string_view text, std::int64_t count)
{
    if (count <= 0)
        return {};
    const auto k = std::min<std::size_t>(static_cast<std::size_t>(count), text.size());
    return std::string(text.substr(text.size() - k));
}

std::string midBytes(std::string_view text, std::int64_t start, std::int64_t count)
{
    const auto length = static_cast<std::int64_t>(text.size());
    if (start < 1 || start > length || count <= 0)
        return {};
    const auto k = std::min(count, length - start + 1);
    return std::string(text.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(k)));
}

std::int64_t findText(std::string_view text, std::string_view searched, std::int64_t start)
{
    if (start < 1)
        start = 1;
    const auto from = static_cast<std::size_t>(start - 1);
    if (from >= text.size())
        return -1;
    if (searched.empty())
        return 1;
    // Candidate positions are character starts counted from the text's first
    // byte, so a match never begins on a trail byte.
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (pos >= from && text.size() - pos >= searched.size() &&
            std::memcmp(text.data() + pos, searched.data(), searched.size()) == 0)
            return static_cast<std::int64_t>(pos) + 1;
        pos += characterLength(static_cast<unsigned char>(text[pos]));
    }
    return -1;
}

std::string removeBytes(std::string_view text, std::int64_t start, std::int64_t count)
{
    if (start < 1)
        start = 1;
    const auto length = static_cast<std::int64_t>(text.size());
    if (count <= 0 || start > length)
        return std::string(text);
    const auto k = std::min(count, length - start + 1);
    std::string result(text.substr(0, static_cast<std::size_t>(start - 1)));
    result.append(text.substr(static_cast<std::size_t>(start - 1 + k)));
    return result;
}

std::string upperAscii(std::string_view text)
{
    // The trail byte of a double-byte character may fall in a..z and must stay.
    std::string result(text);
    std::size_t pos = 0;
    while (pos < result.size()) {
        const auto byte = static_cast<unsigned char>(result[pos]);
        if (byte >= 'a' && byte <= 'z')
            result[pos] = static_cast<char>(byte - 'a' + 'A');
        pos += characterLength(byte);
    }
    return result;
}

int byteValue(std::string_view text)
{
    if (text.empty())
        return 0;
    return static_cast<unsigned char>(text[0]);
}

} // namespace galewright
