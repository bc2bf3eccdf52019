// Fuzzes vkcalc's argument parsing and its CSV batch: the input is split into arguments and standard input.
#include <sstream>
#include <string>
#include <vector>

#include "fuzz_input.h"
#include "vkcalc.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input(data, size);

    // Up to eight arguments; an argument is cut at its first NUL, as a real command line is.
    std::vector<std::string> args{"vkcalc"};
    const int count = input.Byte() % 9;
    for (int i = 0; i < count; ++i) {
        std::string arg = input.Text(24);
        arg = arg.c_str();
        args.push_back(arg);
    }
    // Most runs read a batch, so the CSV reader gets its share of inputs.
    if (input.Bit()) {
        args.push_back("--csv");
    }
    std::vector<const char*> argv;
    for (const std::string& arg : args) {
        argv.push_back(arg.c_str());
    }
    argv.push_back(nullptr);

    std::string rest = input.Text(255);
    rest += input.Text(255);
    std::istringstream in(rest);
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunVkcalc(static_cast<int>(args.size()), argv.data(), in, out, err);
    if (status < 0 || status > 2) {
        __builtin_trap();
    }
    return 0;
}
