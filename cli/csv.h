// CSV for vkcalc's batch mode: splitting one line into cells, quoting cells for output, and a bounded line reader.
#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

// vkcalc reads its input and writes its output in pieces of about this size: few system calls,
// and memory that stays flat whatever the number of rows.
constexpr std::size_t kStreamPieceSize = 64 * 1024;

// Splits one CSV line (without its line end) into cells. A cell that starts with '"' is quoted:
// it ends at the next lone '"', and "" inside stands for one '"'; a '"' inside an unquoted cell
// is an ordinary character. The cells view line, or scratch for quoted cells; they stay valid
// while both do. Returns false and sets error for an unterminated quoted cell or text after a
// closing quote (cells then holds the cells before it).
bool SplitCsvLine(std::string_view line, std::vector<std::string_view>& cells, std::string& scratch,
                  std::string& error);

// Appends text to out as one CSV cell, quoted when it holds ',', '"', CR or LF.
void AppendCsvCell(std::string& out, std::string_view text);

// Reads lines from a stream in fixed chunks, so memory stays bounded whatever the input.
// A line ends at LF, also inside quotes: a row is one line. One CR before the LF is dropped (CRLF
// input). A last line without LF counts.
class LineReader {
public:
    // maxLine: longest line kept; the rest of a longer line is skipped and the line marked.
    LineReader(std::istream& in, std::size_t maxLine);

    // Next line in line (valid until the next call) and whether it was longer than maxLine
    // (then line holds its first maxLine characters). False at the end of the input.
    bool Next(std::string_view& line, bool& tooLong);

    // Number of the line last returned, counting from 1.
    std::size_t LineNumber() const { return lineNumber_; }

    // True when the input ended because a read failed, not at its end.
    bool Failed() const { return failed_; }

private:
    bool Fill();

    std::streambuf* source_;
    std::size_t maxLine_;
    std::vector<char> chunk_;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    bool atEnd_ = false;
    bool failed_ = false;
    std::string pending_; // a line that spans chunks
    std::size_t lineNumber_ = 0;
};
