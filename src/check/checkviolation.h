#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace galewright {

enum class CheckPass { kLength, kRule };

// One violation found by the check run, handed to CheckReporter::showWarning.
// The views point into the table and the settings and are valid only during
// that call.
struct CheckViolation {
    CheckPass pass = CheckPass::kLength;
    int row = 0;
    int column = 0;
    std::string_view text;  // the trimmed cell text
    std::size_t length = 0; // its byte length

    // Length pass: the limit compared and the Byte.set entry it came from.
    int limit = 0;
    std::string_view limitText;

    // Rule pass: the column's Method.set texts "Type", "Error" and "Text".
    std::string typeText;
    std::string errorText;
    std::string helpText;

    // The warning box text (GBK), built by CheckMessages.
    std::string message;
};

} // namespace galewright
