#include "checkprinter.h"

#include "columnconfig.h"
#include "gbkcodec.h"
#include "textrules.h"

namespace galewright {

namespace {

const char* const kReplacement = "\xEF\xBF\xBD"; // U+FFFD

// Length of the valid UTF-8 sequence at text[pos], or 0 when there is none
// (stray continuation byte, overlong form, surrogate, beyond U+10FFFF, cut off).
std::size_t utf8SequenceLength(std::string_view text, std::size_t pos)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (pos + length > text.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[pos + i]);
        if (byte < (i == 1 ? low : 0x80) || byte > (i == 1 ? high : 0xBF))
            return 0;
    }
    return length;
}

} // namespace

CheckPrinter::CheckPrinter(std::FILE* out, Format format, std::string fileName,
                           const ColumnDescriptions& descriptions)
    : out_(out), format_(format), fileName_(std::move(fileName)), descriptions_(descriptions)
{
}

std::string CheckPrinter::jsonString(std::string_view utf8)
{
    static const char* const kHex = "0123456789abcdef";
    std::string out = "\"";
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const auto byte = static_cast<unsigned char>(utf8[pos]);
        if (byte >= 0x80) {
            const std::size_t length = utf8SequenceLength(utf8, pos);
            if (length == 0) {
                out += kReplacement;
                ++pos;
            } else {
                out.append(utf8, pos, length);
                pos += length;
            }
            continue;
        }
        ++pos;
        switch (byte) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (byte < 0x20 || byte == 0x7F) {
                out += "\\u00";
                out += kHex[byte >> 4];
                out += kHex[byte & 0xF];
            } else {
                out += static_cast<char>(byte);
            }
        }
    }
    out += '"';
    return out;
}

CheckAnswer CheckPrinter::showWarning(const CheckViolation& violation)
{
    ++violations_;
    line_ = format_ == Format::kText ? textLine(violation) : jsonLine(violation);
    line_ += '\n';
    std::fwrite(line_.data(), 1, line_.size(), out_);
    return CheckAnswer::kOk;
}

std::string CheckPrinter::textLine(const CheckViolation& violation) const
{
    std::string line = fileName_;
    line += ':';
    line += numberToText(violation.row);
    line += ':';
    line += numberToText(violation.column);
    line += ": ";
    if (violation.pass == CheckPass::kLength) {
        const std::string type = descriptions_.description(violation.column, ColumnConfig::kType);
        if (!type.empty())
            line += GbkCodec::toUtf8(type) + ": ";
        line += "length " + numberToText(violation.length) + " exceeds the limit " + numberToText(violation.limit);
    } else if (!violation.errorText.empty()) {
        line += GbkCodec::toUtf8(violation.typeText + violation.errorText);
    } else {
        if (!violation.typeText.empty())
            line += GbkCodec::toUtf8(violation.typeText) + ": ";
        line += "fails the rule of its column";
    }
    line += ": ";
    line += jsonString(GbkCodec::toUtf8(violation.text));
    return line;
}

std::string CheckPrinter::jsonLine(const CheckViolation& violation) const
{
    const bool length = violation.pass == CheckPass::kLength;
    std::string line = "{\"file\":" + jsonString(fileName_);
    line += ",\"row\":" + numberToText(violation.row);
    line += ",\"column\":" + numberToText(violation.column);
    line += length ? ",\"pass\":\"length\"" : ",\"pass\":\"rule\"";
    line += ",\"text\":" + jsonString(GbkCodec::toUtf8(violation.text));
    line += ",\"length\":" + numberToText(violation.length);
    if (length)
        line += ",\"limit\":" + numberToText(violation.limit);
    else
        line += ",\"message\":" + jsonString(GbkCodec::toUtf8(violation.typeText + violation.errorText));
    line += '}';
    return line;
}

} // namespace galewright
