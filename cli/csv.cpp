// CSV for vkcalc's batch mode: cell splitting and quoting, and a line reader that never holds more than one chunk and one line.
#include "csv.h"

#include <cstring>
#include <ios>

bool SplitCsvLine(std::string_view line, std::vector<std::string_view>& cells, std::string& scratch,
                  std::string& error)
{
    cells.clear();
    scratch.clear();
    // Decoded quoted cells are never longer than the line: no reallocation moves them later.
    scratch.reserve(line.size());
    std::size_t i = 0;
    const std::size_t n = line.size();
    for (;;) {
        if (i < n && line[i] == '"') {
            // Quoted cell: up to the closing quote, "" standing for one quote.
            const std::size_t start = scratch.size();
            ++i;
            bool closed = false;
            while (i < n) {
                const char c = line[i++];
                if (c != '"') {
                    scratch += c;
                } else if (i < n && line[i] == '"') {
                    scratch += '"';
                    ++i;
                } else {
                    closed = true;
                    break;
                }
            }
            if (!closed) {
                error = "a quoted cell is not closed";
                return false;
            }
            if (i < n && line[i] != ',') {
                error = "text after the closing quote of a cell";
                return false;
            }
            cells.emplace_back(scratch.data() + start, scratch.size() - start);
        } else {
            // Cells are short: a plain scan beats a library search per cell.
            std::size_t stop = i;
            while (stop < n && line[stop] != ',') {
                ++stop;
            }
            cells.emplace_back(line.data() + i, stop - i);
            i = stop;
        }
        if (i >= n) {
            break;
        }
        ++i; // the comma; a line ending in a comma has an empty last cell
    }
    return true;
}

void AppendCsvCell(std::string& out, std::string_view text)
{
    bool plain = true;
    for (const char c : text) {
        plain = plain && c != ',' && c != '"' && c != '\r' && c != '\n';
    }
    if (plain) {
        out.append(text.data(), text.size());
        return;
    }
    out += '"';
    for (const char c : text) {
        if (c == '"') {
            out += '"';
        }
        out += c;
    }
    out += '"';
}

LineReader::LineReader(std::istream& in, std::size_t maxLine)
    : source_(in.rdbuf()), maxLine_(maxLine), chunk_(kStreamPieceSize)
{
    if (source_ == nullptr) {
        atEnd_ = true;
    }
}

bool LineReader::Fill()
{
    if (atEnd_) {
        return false;
    }
    // A file stream reports a failed read by throwing ios_base::failure (a zero count is the end).
    std::streamsize got = 0;
    try {
        got = source_->sgetn(chunk_.data(), static_cast<std::streamsize>(chunk_.size()));
    } catch (const std::ios_base::failure&) {
        failed_ = true;
    }
    if (got <= 0) {
        atEnd_ = true;
        return false;
    }
    pos_ = 0;
    end_ = static_cast<std::size_t>(got);
    return true;
}

bool LineReader::Next(std::string_view& line, bool& tooLong)
{
    // One character beyond maxLine_ is kept, so that a CR right at the limit can still be dropped.
    const std::size_t keep = maxLine_ + 1;
    bool spans = false;    // the line began in an earlier chunk and is collected in pending_
    bool overflow = false; // characters of the line were skipped
    pending_.clear();
    for (;;) {
        if (pos_ >= end_ && !Fill()) {
            if (!spans || failed_) {
                return false; // nothing after the last line end, or a line cut short by a failed read
            }
            line = pending_; // the last line has no line end
            break;
        }
        const char* start = chunk_.data() + pos_;
        const std::size_t avail = end_ - pos_;
        const char* newline = static_cast<const char*>(std::memchr(start, '\n', avail));
        const std::size_t take = newline ? static_cast<std::size_t>(newline - start) : avail;
        pos_ += newline ? take + 1 : take;
        if (newline && !spans) {
            line = std::string_view(start, take); // the whole line lies in the chunk: no copy
            break;
        }
        spans = true;
        const std::size_t room = keep - pending_.size();
        pending_.append(start, take < room ? take : room);
        overflow = overflow || take > room;
        if (newline) {
            line = pending_;
            break;
        }
    }
    if (!overflow && !line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    tooLong = overflow || line.size() > maxLine_;
    if (line.size() > maxLine_) {
        line = line.substr(0, maxLine_);
    }
    ++lineNumber_;
    return true;
}
