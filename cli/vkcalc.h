// vkcalc as a function: the whole program behind main(), on streams the caller chooses.
#pragma once

#include <istream>
#include <ostream>

// Exit statuses of vkcalc.
constexpr int kExitOk = 0;
constexpr int kExitRejected = 1; // a batch row or the batch header was rejected, or input or output failed
constexpr int kExitUsage = 2;    // a bad option or value; nothing was calculated

// Runs vkcalc with the command line argv[0..argc-1]: reads CSV from in (batch mode only),
// writes results to out and messages to err, and returns the exit status.
int RunVkcalc(int argc, const char* const* argv, std::istream& in, std::ostream& out, std::ostream& err);

