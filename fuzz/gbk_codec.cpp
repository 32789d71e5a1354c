// The GBK <-> UTF-8 conversions at the window's edge, on arbitrary bytes:
// every cell of a deck, however broken, is shown through toUtf8, and every
// typed text goes back through fromUtf8.
//
// Invariants: toUtf8 always gives valid UTF-8, the same as the input for
// ASCII; a text that fromUtf8 accepts converts back to the same UTF-8; the
// lossy form gives GBK for every input, and the exact form whenever there
// is one.

#include "fuzzcheck.h"
#include "gbkcodec.h"

#include <string>

using namespace galewright;
using galewright::fuzz::ExactBytes;

namespace {

bool isValidUtf8(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size()) {
        const auto lead = static_cast<unsigned char>(text[pos]);
        std::size_t length = 0;
        std::uint32_t value = 0;
        if (lead < 0x80) {
            ++pos;
            continue;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            value = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            value = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            value = lead & 0x07;
        } else {
            return false;
        }
        if (pos + length > text.size())
            return false;
        for (std::size_t i = 1; i < length; ++i) {
            const auto next = static_cast<unsigned char>(text[pos + i]);
            if ((next & 0xC0) != 0x80)
                return false;
            value = (value << 6) | (next & 0x3F);
        }
        const std::uint32_t smallest = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
        if (value < smallest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
            return false;
        pos += length;
    }
    return true;
}

bool isAscii(std::string_view text)
{
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const ExactBytes input(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::string_view bytes = input.view();

    // Read as GBK, the way every cell is shown.
    const std::string shown = GbkCodec::toUtf8(bytes);
    FUZZ_CHECK(isValidUtf8(shown));
    if (isAscii(bytes))
        FUZZ_CHECK(shown == bytes);
    FUZZ_CHECK(!bytes.empty() || shown.empty());

    // Read as UTF-8, the way typed text comes back.
    const auto exact = GbkCodec::fromUtf8(bytes);
    const std::string lossy = GbkCodec::fromUtf8Lossy(bytes);
    if (exact) {
        FUZZ_CHECK(isValidUtf8(bytes));
        FUZZ_CHECK(lossy == *exact);
        FUZZ_CHECK(GbkCodec::toUtf8(*exact) == bytes);
    }
    const auto backAgain = GbkCodec::fromUtf8(shown);
    if (backAgain)
        FUZZ_CHECK(GbkCodec::toUtf8(*backAgain) == shown);
    return 0;
}
