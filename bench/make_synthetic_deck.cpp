// Writes a synthetic a-deck of about the requested size, built from the
// line shapes of real decks: best-track lines, CARQ lines and forecast aids
// at forecast hours 0..120, with wind radii, the storm name and the depth,
// every field padded as the writer pads it. It passes every column rule, so
// a check of it measures the walk, not the reporting.
//
//   make_synthetic_deck MEGABYTES OUT

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace {

const char* const kTechniques[] = {"BEST", "CARQ", "AVNO", "HWRF", "JGSM", "NVGM", "EGRR", "CTCX", "JTWC", "TVCN"};
const char* const kLevels[] = {"TD", "TS", "TY", "ST", "EX", "LO", "DB"};
const char* const kQuadrants[] = {"NEQ", "AAA"};
const char* const kNames[] = {"NEOGURI", "RAMMASUN", "MATMO", "HALONG", "GENEVIEVE", "PHANFONE", "VONGFONG"};

void field(std::string& line, const std::string& text, std::size_t width)
{
    if (text.size() < width)
        line.append(width - text.size(), ' ');
    line += text;
    line += ", ";
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_synthetic_deck MEGABYTES OUT\n");
        return 2;
    }
    const auto target = static_cast<std::size_t>(std::atof(argv[1]) * 1024 * 1024);
    std::FILE* out = std::fopen(argv[2], "wb");
    if (!out) {
        std::perror(argv[2]);
        return 2;
    }
    std::mt19937 random(20140708);
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    std::size_t written = 0;
    std::string line;
    int day = 1;
    int hour = 0;
    while (written < target) {
        char date[32];
        std::snprintf(date, sizeof date, "2014%02d%02d%02d", 1 + (day / 28) % 12, 1 + day % 28, hour);
        hour += 6;
        if (hour == 24) {
            hour = 0;
            ++day;
        }
        const int storm = 1 + day % 23;
        const char* name = kNames[storm % 7];
        for (const char* technique : kTechniques) {
            const bool best = technique[0] == 'B';
            for (int tau = 0; tau <= (best ? 0 : 120); tau += 12) {
                const int wind = pick(15, 160);
                for (int radii : {34, 50, 64}) {
                    if (radii > 34 && wind < radii)
                        break;
                    line.clear();
                    field(line, "WP", 2);
                    field(line, (storm < 10 ? "0" : "") + std::to_string(storm), 2);
                    field(line, date, 10);
                    field(line, best ? "" : "03", 2);
                    field(line, technique, 4);
                    field(line, std::to_string(tau), 3);
                    field(line, std::to_string(pick(50, 400)) + "N", 4);
                    field(line, std::to_string(pick(1000, 1800)) + "E", 5);
                    field(line, std::to_string(wind), 3);
                    field(line, std::to_string(pick(880, 1012)), 4);
                    field(line, kLevels[pick(0, 6)], 2);
                    field(line, std::to_string(radii), 3);
                    field(line, kQuadrants[pick(0, 1)], 3);
                    for (int q = 0; q < 4; ++q)
                        field(line, std::to_string(pick(0, 200)), 4);
                    field(line, std::to_string(pick(990, 1010)), 4);
                    field(line, std::to_string(pick(100, 400)), 4);
                    field(line, std::to_string(pick(10, 60)), 3);
                    field(line, std::to_string(pick(0, 200)), 3);
                    field(line, std::to_string(pick(0, 40)), 3);
                    field(line, "W", 1);
                    field(line, std::to_string(pick(0, 30)), 3);
                    field(line, "JTW", 3);
                    field(line, std::to_string(pick(0, 359)), 3);
                    field(line, std::to_string(pick(0, 30)), 3);
                    field(line, name, 10);
                    field(line, "M", 1);
                    field(line, "12", 2);
                    field(line, "NEQ", 3);
                    for (int q = 0; q < 4; ++q)
                        field(line, std::to_string(pick(0, 300)), 4);
                    line += '\n';
                    std::fwrite(line.data(), 1, line.size(), out);
                    written += line.size();
                }
            }
        }
    }
    return std::fclose(out) == 0 ? 0 : 1;
}
