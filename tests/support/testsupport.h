#pragma once

// Shared helpers for the tests: paths into the source tree, scratch folders
// and GBK texts written readably.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>

#include <iconv.h>

namespace galewright::test {

inline std::filesystem::path sourceDir() { return GALEWRIGHT_SOURCE_DIR; }
inline std::filesystem::path binDir() { return GALEWRIGHT_BIN_DIR; }
inline std::filesystem::path testData(std::string_view name) { return sourceDir() / "tests" / "data" / name; }
inline std::filesystem::path dataDir() { return sourceDir() / "data"; }

// A fresh directory under the system's temporary folder, removed with the object.
class ScratchDir {
public:
    ScratchDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "galewright-test-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    ~ScratchDir()
    {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                     ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::string file(std::string_view name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

inline std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void writeFile(const std::filesystem::path& path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Bytes that look like nothing in particular, the same for the same seed.
inline std::string randomBytes(std::size_t size, unsigned seed)
{
    std::mt19937 generator(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string bytes(size, '\0');
    for (auto& c : bytes)
        c = static_cast<char>(byte(generator));
    return bytes;
}

inline std::string repeated(std::string_view piece, int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += piece;
    return text;
}

// The GBK bytes of a UTF-8 literal, so that tests can say gbk("错误").
inline std::string gbk(std::string_view utf8)
{
    iconv_t cd = iconv_open("GBK", "UTF-8");
    std::string out(utf8.size() * 2 + 4, '\0');
    char* in = const_cast<char*>(utf8.data());
    std::size_t inLeft = utf8.size();
    char* to = out.data();
    std::size_t toLeft = out.size();
    const std::size_t result = iconv(cd, &in, &inLeft, &to, &toLeft);
    iconv_close(cd);
    if (result == static_cast<std::size_t>(-1))
        throw std::runtime_error("not representable in GBK");
    out.resize(out.size() - toLeft);
    return out;
}

} // namespace galewright::test
