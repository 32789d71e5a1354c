#include "rowcells.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace galewright {

namespace {

// Block layout: [count:1][offsetWidth:1][ends: count * offsetWidth][bytes].
constexpr std::size_t kHeader = 2;

std::size_t readOffset(const char* block, int index)
{
    const auto width = static_cast<unsigned char>(block[1]);
    const char* at = block + kHeader + static_cast<std::size_t>(index) * width;
    if (width == 2) {
        std::uint16_t v;
        std::memcpy(&v, at, 2);
        return v;
    }
    std::uint32_t v;
    std::memcpy(&v, at, 4);
    return v;
}

} // namespace

RowCells::~RowCells() { std::free(block_); }

RowCells::RowCells(RowCells&& other) noexcept : block_(other.block_), number_(other.number_)
{
    other.block_ = nullptr;
    other.number_ = 0;
}

RowCells& RowCells::operator=(RowCells&& other) noexcept
{
    if (this != &other) {
        std::free(block_);
        block_ = other.block_;
        number_ = other.number_;
        other.block_ = nullptr;
        other.number_ = 0;
    }
    return *this;
}

RowCells RowCells::build(std::span<const std::string_view> cells)
{
    RowCells row;
    int count = static_cast<int>(cells.size());
    while (count > 0 && cells[static_cast<std::size_t>(count - 1)].empty())
        --count;
    if (count == 0)
        return row;
    std::size_t dataBytes = 0;
    for (int i = 0; i < count; ++i)
        dataBytes += cells[static_cast<std::size_t>(i)].size();
    if (dataBytes > 0xFFFFFFFFu)
        throw std::bad_alloc(); // a single row of over 4 GiB cannot be a deck record
    const std::size_t width = dataBytes <= 0xFFFF ? 2 : 4;
    const std::size_t offsetsBytes = static_cast<std::size_t>(count) * width;
    auto* block = static_cast<char*>(std::malloc(kHeader + offsetsBytes + dataBytes));
    if (!block)
        throw std::bad_alloc();
    block[0] = static_cast<char>(count);
    block[1] = static_cast<char>(width);
    char* offsets = block + kHeader;
    char* data = offsets + offsetsBytes;
    std::size_t end = 0;
    for (int i = 0; i < count; ++i) {
        const auto& text = cells[static_cast<std::size_t>(i)];
        if (!text.empty())
            std::memcpy(data + end, text.data(), text.size());
        end += text.size();
        if (width == 2) {
            const auto v = static_cast<std::uint16_t>(end);
            std::memcpy(offsets + static_cast<std::size_t>(i) * 2, &v, 2);
        } else {
            const auto v = static_cast<std::uint32_t>(end);
            std::memcpy(offsets + static_cast<std::size_t>(i) * 4, &v, 4);
        }
    }
    row.block_ = block;
    return row;
}

int RowCells::storedCount() const { return block_ ? static_cast<unsigned char>(block_[0]) : 0; }

std::string_view RowCells::cell(int column) const
{
    if (column < 0 || column >= storedCount())
        return {};
    const auto width = static_cast<unsigned char>(block_[1]);
    const char* data = block_ + kHeader + static_cast<std::size_t>(storedCount()) * width;
    const std::size_t begin = column == 0 ? 0 : readOffset(block_, column - 1);
    const std::size_t end = readOffset(block_, column);
    return {data + begin, end - begin};
}

void RowCells::cellsFrom(int first, int last, std::string_view* out) const
{
    const auto width = static_cast<unsigned char>(block_[1]);
    const char* data = block_ + kHeader + static_cast<std::size_t>(storedCount()) * width;
    std::size_t begin = first == 0 ? 0 : readOffset(block_, first - 1);
    for (int k = first; k <= last; ++k) {
        const std::size_t end = readOffset(block_, k);
        *out++ = std::string_view(data + begin, end - begin);
        begin = end;
    }
}

std::size_t RowCells::blockBytes() const
{
    if (!block_)
        return 0;
    const int count = storedCount();
    return kHeader + static_cast<std::size_t>(count) * static_cast<unsigned char>(block_[1]) +
           readOffset(block_, count - 1);
}

} // namespace galewright
