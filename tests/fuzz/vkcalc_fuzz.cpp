// Fuzzes vkcalc's command line and CSV batch. The input is a count byte, then that many halves of
// NUL-ended arguments (an odd count adds --csv), then standard input. Whatever the input, a bad
// command line (status 2) prints nothing, and a batch answers each input line with one output line.
#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "vkcalc.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const int count = size > 0 ? data[0] % 18 : 0;
    std::vector<std::string> args{"vkcalc"};
    std::size_t pos = 1;
    for (int i = 0; i < count / 2 && pos < input.size(); ++i) {
        const std::size_t end = std::min(input.find('\0', pos), input.size());
        args.push_back(input.substr(pos, end - pos));
        pos = end + 1;
    }
    if (count % 2)
        args.push_back("--csv");
    std::vector<const char*> argv;
    for (const std::string& arg : args)
        argv.push_back(arg.c_str());
    argv.push_back(nullptr);
    const std::string stdinText = pos < input.size() ? input.substr(pos) : std::string();
    std::istringstream in(stdinText);
    std::ostringstream out, err;
    const int status = RunVkcalc(static_cast<int>(args.size()), argv.data(), in, out, err);
    if (status == 2 && !out.str().empty())
        __builtin_trap();
    // With --csv an accepted command line is a batch unless it asks for the help or the version.
    const bool batch = count % 2 && status != 2 && std::count(args.begin(), args.end(), "--help") == 0 &&
                       std::count(args.begin(), args.end(), "--version") == 0;
    // Lines as the batch reads them: ended by LF, the last one also by the end of the input.
    const auto lines = [](const std::string& t) { return std::count(t.begin(), t.end(), '\n') + (!t.empty() && t.back() != '\n'); };
    if (batch && lines(out.str()) != std::max<std::ptrdiff_t>(1, lines(stdinText)))
        __builtin_trap();
    return 0;
}
