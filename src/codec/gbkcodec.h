#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace galewright {

// Conversions between the deck's GBK bytes and UTF-8, for the places where
// texts leave or enter the program (the command line's output, the window).
class GbkCodec {
public:
    // GB18030 decoding, which reads every GBK text; a byte that does not
    // decode becomes U+FFFD and decoding goes on after it.
    static std::string toUtf8(std::string_view gbk);
    // Strict GBK encoding: nothing when a character has no GBK form (or the
    // input is not valid UTF-8), so the caller can refuse it.
    static std::optional<std::string> fromUtf8(std::string_view utf8);
    // fromUtf8 of a text known to be representable (the program's own
    // message texts); unrepresentable characters become '?'.
    static std::string fromUtf8Lossy(std::string_view utf8);
    // The first character (as UTF-8) of the text that has no GBK form;
    // empty when every character has one.
    static std::string firstUnencodable(std::string_view utf8);
};

} // namespace galewright
