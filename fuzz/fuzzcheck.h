#pragma once

// Shared by the fuzz targets, which are built both by clang with libFuzzer
// and by g++ with the corpus replay main: a broken invariant must stop
// either build loudly, with the input that broke it still in hand.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>

#define FUZZ_CHECK(condition)                                                                                     \
    do {                                                                                                          \
        if (!(condition)) {                                                                                       \
            std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, #condition);                \
            std::abort();                                                                                         \
        }                                                                                                         \
    } while (0)

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace galewright::fuzz {

// A heap block of exactly the given bytes, so that AddressSanitizer sees a
// read one byte past the end (a std::string would hide it behind its
// terminating zero).
class ExactBytes {
public:
    ExactBytes(std::string_view first, std::string_view second = {})
        : size_(first.size() + second.size()), bytes_(new char[size_ ? size_ : 1])
    {
        if (!first.empty())
            std::memcpy(bytes_.get(), first.data(), first.size());
        if (!second.empty())
            std::memcpy(bytes_.get() + first.size(), second.data(), second.size());
    }
    std::string_view view() const { return {bytes_.get(), size_}; }

private:
    std::size_t size_;
    std::unique_ptr<char[]> bytes_;
};

// Takes length-prefixed pieces off the front of a fuzz input: one byte
// gives the length (modulo `limit`), then that many bytes. What is left
// is the main text.
class InputPieces {
public:
    InputPieces(const std::uint8_t* data, std::size_t size)
        : rest_(reinterpret_cast<const char*>(data), size)
    {
    }
    std::string_view take(std::size_t limit)
    {
        if (rest_.empty())
            return {};
        const std::size_t want = static_cast<unsigned char>(rest_[0]) % limit;
        rest_.remove_prefix(1);
        const std::size_t length = want < rest_.size() ? want : rest_.size();
        const std::string_view piece = rest_.substr(0, length);
        rest_.remove_prefix(length);
        return piece;
    }
    int takeByte()
    {
        if (rest_.empty())
            return 0;
        const int value = static_cast<unsigned char>(rest_[0]);
        rest_.remove_prefix(1);
        return value;
    }
    std::string_view rest() const { return rest_; }

private:
    std::string_view rest_;
};

} // namespace galewright::fuzz
