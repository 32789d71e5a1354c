#pragma once

// The format rule of each data column, tested on one cell's trimmed text.
// Texts are GBK bytes and compared byte for byte, so codes are
// case-sensitive and any double-byte character fails a digit, position or
// code column.

#include <string_view>

namespace galewright {

// True for columns 1 and 3 to 44; columns 2 and 45 (and anything outside
// 1..45) have no rule.
bool hasColumnRule(int column);

// Whether the trimmed text passes the rule of `column`. A column without a
// rule passes everything.
bool columnRulePasses(int column, std::string_view text);

// The shared tests. Each trims its text again itself, which changes nothing
// on already trimmed input.

// Every byte a digit, or "-" anywhere when allowMinus is set; the empty text passes.
bool isDigitText(std::string_view text, bool allowMinus);
bool containsComma(std::string_view text);
// Tenths of a degree, 0 to 900, then "N" or "S": digits only before the letter.
bool isLatitudeText(std::string_view text);
// Tenths of a degree, 0 to 1800, then "E" or "W".
bool isLongitudeText(std::string_view text);

} // namespace galewright
