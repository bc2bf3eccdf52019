// vkcalc --csv: reads the situations row by row, runs the dispatcher on each, writes one result row per input row.
#include "batch.h"

#include <string>
#include <string_view>
#include <vector>

#include "csv.h"
#include "dispatch.h"
#include "format.h"
#include "input_fields.h"

namespace {

// The columns named by the header, or why the header cannot be used.
struct Header {
    std::vector<const PanelInput*> columns;
    std::string error; // empty when the header is usable
};

std::string LowerCase(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lower;
}

// Reads the header line: column names from the input list, each at most once, letter case ignored.
Header ReadHeader(std::string_view line, bool tooLong)
{
    Header header;
    // A byte order mark, as some spreadsheet programs write it, is not part of the first name.
    if (line.substr(0, 3) == "\xEF\xBB\xBF") {
        line.remove_prefix(3);
    }
    if (tooLong) {
        header.error = "the header is longer than " + std::to_string(kBatchMaxLine) + " characters";
        return header;
    }
    std::vector<std::string_view> cells;
    std::string scratch, problem;
    if (!SplitCsvLine(line, cells, scratch, problem)) {
        header.error = "the header is malformed: " + problem;
        return header;
    }
    std::vector<bool> seen(PanelInputs().count);
    for (const std::string_view cell : cells) {
        const PanelInput* field = FindPanelInput(LowerCase(cell));
        if (field == nullptr) {
            header.error = "the header names the unknown column " + QuoteForMessage(cell);
            break;
        }
        const std::size_t index = InputIndex(*field);
        if (seen[index]) {
            header.error = "the header names the column " + QuoteForMessage(cell) + " twice";
            break;
        }
        seen[index] = true;
        header.columns.push_back(field);
    }
    if (!header.error.empty()) {
        header.columns.clear();
    }
    return header;
}

// Fills panel from the cells of one row; on rejection sets error to the reason.
void ReadRow(const Header& header, const std::vector<std::string_view>& cells, PanelReading& panel, std::string& error)
{
    if (cells.size() != header.columns.size()) {
        error = std::to_string(cells.size()) + (cells.size() == 1 ? " cell" : " cells") + ", but the header names " +
                std::to_string(header.columns.size()) + (header.columns.size() == 1 ? " column" : " columns");
        return;
    }
    std::string problem;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const PanelInput& field = *header.columns[i];
        if (!ApplyInputField(field, cells[i], panel, problem)) {
            error = std::string(field.name) + " " + QuoteForMessage(cells[i]) + ": " + problem;
            return;
        }
    }
}

// Appends an error row: twelve empty result cells and the message.
void AppendErrorRow(std::string& out, std::size_t lineNumber, const std::string& message)
{
    out.append(12, ',');
    AppendCsvCell(out, "line " + std::to_string(lineNumber) + ": " + message);
    out += '\n';
}

bool Flush(std::ostream& out, std::string& buffer)
{
    out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    buffer.clear();
    return static_cast<bool>(out);
}

} // namespace

BatchSummary RunBatch(std::istream& in, std::ostream& out)
{
    BatchSummary summary;
    LineReader reader(in, kBatchMaxLine);
    std::string buffer = std::string(kCsvOutputHeader) + "\n";
    buffer.reserve(kStreamPieceSize + kBatchMaxLine);

    std::string_view line;
    bool tooLong = false;
    if (!reader.Next(line, tooLong)) {
        summary.readFailed = reader.Failed();
        summary.writeFailed = !Flush(out, buffer);
        return summary; // no header, no rows
    }
    const Header header = ReadHeader(line, tooLong);
    summary.headerError = header.error;
    // Every row sets every column the header names, and nothing else changes the reading, so
    // one reading serves all rows: a column the header leaves out keeps its start-up value.
    PanelReading panel = StartupReading();
    std::vector<std::string_view> cells;
    std::string scratch; // quoted cells of the current row
    std::string error;
    while (reader.Next(line, tooLong)) {
        ++summary.rows;
        error.clear();
        if (!header.error.empty()) {
            error = header.error;
        } else if (tooLong) {
            error = "longer than " + std::to_string(kBatchMaxLine) + " characters";
        } else if (SplitCsvLine(line, cells, scratch, error)) {
            ReadRow(header, cells, panel, error); // sets error for a rejected row
        }
        if (error.empty()) {
            AppendOutcomeCsv(buffer, Calculate(panel));
            buffer += '\n'; // the empty error cell
        } else {
            ++summary.rejected;
            AppendErrorRow(buffer, reader.LineNumber(), error);
        }
        if (buffer.size() >= kStreamPieceSize && !Flush(out, buffer)) {
            summary.writeFailed = true;
            return summary;
        }
    }
    summary.readFailed = reader.Failed();
    summary.writeFailed = !Flush(out, buffer);
    return summary;
}
