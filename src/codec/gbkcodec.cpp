#include "gbkcodec.h"

#include <cerrno>
#include <iconv.h>

namespace galewright {

namespace {

// One converter per direction, opened on first use and kept: iconv_open is
// slow compared with converting a cell.
class Converter {
public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
    ~Converter()
    {
        if (valid())
            iconv_close(handle_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t handle() const
    {
        iconv(handle_, nullptr, nullptr, nullptr, nullptr); // reset shift state
        return handle_;
    }

private:
    iconv_t handle_;
};

std::size_t utf8Length(unsigned char lead)
{
    return lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
}

bool isAscii(std::string_view text)
{
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

// Converts as far as it can; returns false at the first byte it cannot
// convert, with `in` pointing at it.
bool convert(iconv_t cd, std::string_view& in, std::string& out)
{
    char* source = const_cast<char*>(in.data());
    std::size_t sourceLeft = in.size();
    char buffer[4096];
    bool ok = true;
    while (sourceLeft > 0) {
        char* target = buffer;
        std::size_t targetLeft = sizeof buffer;
        const std::size_t result = iconv(cd, &source, &sourceLeft, &target, &targetLeft);
        out.append(buffer, static_cast<std::size_t>(target - buffer));
        if (result == static_cast<std::size_t>(-1)) {
            if (errno == E2BIG)
                continue;
            ok = false;
            break;
        }
    }
    if (ok) {
        char* target = buffer;
        std::size_t targetLeft = sizeof buffer;
        iconv(cd, nullptr, nullptr, &target, &targetLeft);
        out.append(buffer, static_cast<std::size_t>(target - buffer));
    }
    in = in.substr(in.size() - sourceLeft);
    return ok;
}

} // namespace

std::string GbkCodec::toUtf8(std::string_view gbk)
{
    if (isAscii(gbk))
        return std::string(gbk);
    static Converter decoder("UTF-8", "GB18030");
    std::string out;
    out.reserve(gbk.size() * 3 / 2);
    if (!decoder.valid())
        return std::string(gbk);
    iconv_t cd = decoder.handle();
    while (!convert(cd, gbk, out)) {
        out += "\xEF\xBF\xBD"; // U+FFFD
        gbk.remove_prefix(1);
        cd = decoder.handle();
    }
    return out;
}

std::optional<std::string> GbkCodec::fromUtf8(std::string_view utf8)
{
    if (isAscii(utf8))
        return std::string(utf8);
    static Converter encoder("GBK", "UTF-8");
    if (!encoder.valid())
        return std::nullopt;
    const std::string_view typed = utf8;
    std::string out;
    if (!convert(encoder.handle(), utf8, out))
        return std::nullopt;
    // Code page 936 writes the euro sign as the lone byte 0x80, which the
    // deck's byte rules read as the first half of a character: it would
    // swallow the comma after it. Keep only what shows again as typed.
    if (toUtf8(out) != typed)
        return std::nullopt;
    return out;
}

std::string GbkCodec::fromUtf8Lossy(std::string_view utf8)
{
    if (auto exact = fromUtf8(utf8))
        return *exact;
    std::string out;
    // Character by character, so one bad character costs only itself.
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const std::size_t length = std::min(utf8Length(static_cast<unsigned char>(utf8[pos])), utf8.size() - pos);
        auto piece = fromUtf8(utf8.substr(pos, length));
        out += piece ? *piece : std::string("?");
        pos += length;
    }
    return out;
}

std::string GbkCodec::firstUnencodable(std::string_view utf8)
{
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const std::size_t length = std::min(utf8Length(static_cast<unsigned char>(utf8[pos])), utf8.size() - pos);
        const std::string_view character = utf8.substr(pos, length);
        if (!fromUtf8(character))
            return std::string(character);
        pos += length;
    }
    return {};
}

} // namespace galewright
