// A distance sweep (--distance FROM:TO:STEP): the distances of the sheet, counted exactly in decimal steps.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The most lines one sweep may print.
constexpr std::int64_t kSweepMaxLines = 100000;

// FROM, TO and STEP held as integers in units of 10^-7, so that the steps add up exactly.
struct SweepRange {
    std::int64_t from = 0;
    std::int64_t to = 0;
    std::int64_t step = 1;
    int decimals = 0; // decimals written in each distance text (those of FROM and STEP)
};

// True when value is meant as a sweep (it holds a ':').
bool IsSweepText(std::string_view value);

// Reads FROM:TO:STEP, each 1 to 8 characters of digits with at most one '.'. Rejects a STEP of 0,
// FROM above TO, more than kSweepMaxLines distances, and distance texts longer than 8 characters.
// On rejection returns false with problem set (the end of an error message).
bool ParseSweep(std::string_view value, SweepRange& range, std::string& problem);

// Number of distances: FROM, FROM + STEP, ... up to TO.
std::int64_t SweepCount(const SweepRange& range);

// The distance text of line index (0-based), with the decimals of the sweep ("100.5").
std::string SweepDistanceText(const SweepRange& range, std::int64_t index);
