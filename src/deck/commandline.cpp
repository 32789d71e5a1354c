#include "commandline.h"

#include "textrules.h"

namespace galewright {

std::vector<std::string> splitCommandLine(std::string_view line)
{
    const std::size_t n = line.size();
    auto byteAt = [&](std::size_t i) { return static_cast<unsigned char>(line[i]); };
    std::size_t pos = 0;
    // The program's own name.
    if (n > 0 && line[0] == '"') {
        pos = 1;
        while (pos < n && line[pos] != '"')
            pos += characterLength(byteAt(pos));
        if (pos < n)
            ++pos; // closing quote
        if (pos < n && line[pos] == ' ')
            ++pos;
    } else {
        while (pos < n && line[pos] != ' ')
            pos += characterLength(byteAt(pos));
        if (pos < n)
            ++pos;
    }

    std::vector<std::string> arguments;
    while (pos < n) {
        const unsigned char byte = byteAt(pos);
        if (byte == '"') {
            const std::size_t start = ++pos;
            while (pos < n && line[pos] != '"')
                pos += characterLength(byteAt(pos));
            const std::size_t end = pos < n ? pos : n;
            arguments.emplace_back(line.substr(start, end - start));
            if (pos < n)
                ++pos;
        } else if (byte < 0x21) {
            ++pos;
        } else {
            const std::size_t start = pos;
            while (pos < n && byteAt(pos) >= 0x21 && line[pos] != '"')
                pos += characterLength(byteAt(pos));
            const std::size_t end = pos < n ? pos : n;
            arguments.emplace_back(line.substr(start, end - start));
        }
    }
    return arguments;
}

std::string instanceCommandLine(std::string_view executable)
{
    return "\"" + std::string(executable) + "\"";
}

std::string instanceCommandLine(std::string_view executable, std::string_view argument)
{
    return instanceCommandLine(executable) + " \"" + std::string(argument) + "\"";
}

} // namespace galewright
