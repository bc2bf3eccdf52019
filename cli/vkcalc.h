// vkcalc as a function: the whole program behind main(), on streams the caller chooses.
#pragma once

#include <cstddef>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>

// Exit statuses of vkcalc.
constexpr int kExitOk = 0;
constexpr int kExitRejected = 1; // a batch row or the batch header was rejected, or input or output failed
constexpr int kExitUsage = 2;    // a bad option or value; nothing was calculated

// Runs vkcalc with the command line argv[0..argc-1]: reads CSV from in (batch mode only),
// writes results to out and messages to err, and returns the exit status.
int RunVkcalc(int argc, const char* const* argv, std::istream& in, std::ostream& out, std::ostream& err);

// Appends the comma-separated list as lines of at most width characters, each indented by indent
// (< width) and broken after a comma; an item longer than a line gets a line of its own.
void AppendWrappedList(std::string& text, std::string_view list, std::size_t indent, std::size_t width);
