// How vkcalc writes one calculation: aligned text lines, a JSON object, a CSV row.
#pragma once

#include <string>
#include <string_view>

#include "dispatch.h"

// The header line of batch output (without line end).
extern const char* const kCsvOutputHeader;

// Appends value with 17 significant digits (as printf "%.17g"), which reads back exactly.
void AppendDouble17(std::string& out, double value);

// Appends the three groups as three lines such as
// "Tomahawk     drift 2.7385 y   shot 77.701 %"; "---" where the shot is not offered.
void AppendOutcomeText(std::string& out, const DispatchOutcome& outcome);

// Appends the header lines of a distance sweep sheet.
void AppendSweepHeader(std::string& out);

// Appends one sheet line: the distance text, then drift and shot text of each group.
void AppendSweepLine(std::string& out, std::string_view distance, const DispatchOutcome& outcome);

// Appends outcome as one JSON object on one line (with "distance" first when distance is not empty):
// per group its state ("written" or "cleared"), the two texts and the two values
// (null where no model ran or a value is not finite).
void AppendOutcomeJson(std::string& out, const DispatchOutcome& outcome, std::string_view distance = {});

// Appends the twelve result cells of a batch row (texts, then values), without the error cell.
void AppendOutcomeCsv(std::string& out, const DispatchOutcome& outcome);
