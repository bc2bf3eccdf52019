// Entry of vkcalc: the standard streams, unbuffered by C stdio, in binary mode on Windows.
#include <cstdio>
#include <iostream>

#include "vkcalc.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char** argv)
{
#ifdef _WIN32
    // Byte-exact streams: output lines end in LF as on every system, and input keeps its CR,
    // which the CSV reader drops itself; a Ctrl-Z byte does not end the input.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    std::ios::sync_with_stdio(false);
    return RunVkcalc(argc, argv, std::cin, std::cout, std::cerr);
}
