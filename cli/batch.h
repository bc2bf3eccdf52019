// vkcalc --csv: situations from CSV on one stream, results as CSV on another, one row each, in constant memory.
#pragma once

#include <cstddef>
#include <istream>
#include <ostream>
#include <string>

// Counts of one batch run.
struct BatchSummary {
    std::size_t rows = 0;     // data rows read (the header not counted)
    std::size_t rejected = 0; // rows answered with an error
    std::string headerError;  // why the header was rejected (unknown or repeated column, malformed); empty if usable
    bool writeFailed = false;    // out stopped accepting output; reading stopped there
    bool readFailed = false;     // reading in failed; the rows before the failure were written
};

// The longest input line a batch reads; a longer line becomes an error row.
constexpr std::size_t kBatchMaxLine = 4096;

// Reads the header and the data rows from in and writes the output header and one row per data
// row to out, in input order, streaming in the calling thread. A missing column takes the panel's
// start-up value. Never throws on bad input.
BatchSummary RunBatch(std::istream& in, std::ostream& out);
