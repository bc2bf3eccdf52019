// vkcalc's command line: options into a panel reading and a mode, with a one-line reason for anything rejected.
#pragma once

#include <string>

#include "dispatch.h"
#include "panel_inputs.h"
#include "sweep.h"

enum class CliMode { Single, Sweep, Batch, Help, Version };

struct CliOptions {
    CliMode mode = CliMode::Single;
    bool json = false;
    PanelReading panel = StartupReading(); // each option sets one control
    SweepRange sweep;    // CliMode::Sweep only
};

// Reads argv[1..argc-1]. Options are "--name VALUE", "--name=VALUE" or, for flags, "--name".
// On rejection returns false with error set to a message naming the option, the value and
// what is accepted (without the program name).
bool ParseOptions(int argc, const char* const* argv, CliOptions& options, std::string& error);
