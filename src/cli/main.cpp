#include "formatcommand.h"
#ifdef GALEWRIGHT_HAVE_CHECK
#include "checkcommand.h"
#endif

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments(argv + (argc > 1 ? 2 : argc), argv + argc);
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "format")
        return galewright::runFormatCommand(arguments);
#ifdef GALEWRIGHT_HAVE_CHECK
    if (command == "check")
        return galewright::runCheckCommand(arguments);
#endif
    std::fputs("usage: galewright-deck format [--settings DIR] FILE [-o OUT]\n"
               "       galewright-deck check [--settings DIR] [--format text|jsonl] FILE...\n",
               stderr);
    return 2;
}
