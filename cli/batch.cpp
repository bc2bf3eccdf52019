// vkcalc --csv: reads the situations row by row, runs the dispatcher on each, writes one result row per input row.
#include "batch.h"

#include <condition_variable>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <system_error>
#include <thread>
#include <vector>

#include "csv.h"
#include "dispatch.h"
#include "format.h"
#include "input_fields.h"

namespace {

// Output is collected and written in pieces of about this size.
constexpr std::size_t kFlushSize = 64 * 1024;

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
    std::vector<std::string> cells;
    if (tooLong) {
        header.error = "the header is longer than " + std::to_string(kBatchMaxLine) + " characters";
        return header;
    }
    std::string problem;
    if (!SplitCsvLine(line, cells, problem)) {
        header.error = "the header is malformed: " + problem;
        return header;
    }
    std::vector<bool> seen(PanelInputs().count);
    for (const std::string& cell : cells) {
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

// Fills panel from the cells of one row; on rejection returns the reason.
bool ReadRow(const Header& header, const std::vector<std::string_view>& cells, PanelReading& panel, std::string& error)
{
    if (cells.size() != header.columns.size()) {
        error = std::to_string(cells.size()) + (cells.size() == 1 ? " cell" : " cells") + ", but the header names " +
                std::to_string(header.columns.size()) + (header.columns.size() == 1 ? " column" : " columns");
        return false;
    }
    std::string problem;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const PanelInput& field = *header.columns[i];
        if (!ApplyInputField(field, cells[i], panel, problem)) {
            error = std::string(field.name) + " " + QuoteForMessage(cells[i]) + ": " + problem;
            return false;
        }
    }
    return true;
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

// What one thread needs to turn input lines into output rows.
class RowWriter {
public:
    explicit RowWriter(const Header& header) : header_(header) {}

    // Appends the output row of one input line; false when the row was rejected.
    bool Write(std::string_view line, bool tooLong, std::size_t lineNumber, std::string& out)
    {
        error_.clear();
        if (!header_.error.empty()) {
            error_ = header_.error;
        } else if (tooLong) {
            error_ = "longer than " + std::to_string(kBatchMaxLine) + " characters";
        } else if (SplitCsvLine(line, cells_, scratch_, error_)) {
            ReadRow(header_, cells_, panel_, error_); // sets error_ for a rejected row
        }
        if (!error_.empty()) {
            AppendErrorRow(out, lineNumber, error_);
            return false;
        }
        AppendOutcomeCsv(out, Calculate(panel_));
        out += '\n'; // the empty error cell
        return true;
    }

private:
    const Header& header_;
    // Every row sets every column the header names, and nothing else changes the reading, so
    // one reading serves all rows: a column the header leaves out keeps its start-up value.
    PanelReading panel_ = StartupReading();
    std::vector<std::string_view> cells_;
    std::string scratch_; // quoted cells of the current row
    std::string error_;
};

// A run of input lines handed to a worker thread, and the rows it writes for them.
struct Block {
    struct Line {
        std::size_t offset;
        std::size_t length;
        std::size_t number;
        bool tooLong;
    };
    std::string text; // the lines one after another
    std::vector<Line> lines;
    std::string output;
    std::size_t rejected = 0;
    bool done = false;
};

// A block ends after this many lines or this much text, whichever comes first.
constexpr std::size_t kBlockLines = 4096;
constexpr std::size_t kBlockText = 256 * 1024;

// Reads the next block from reader; false when the input had no more lines.
bool FillBlock(LineReader& reader, Block& block)
{
    block.text.clear();
    block.lines.clear();
    block.output.clear();
    block.rejected = 0;
    block.done = false;
    std::string_view line;
    bool tooLong = false;
    while (block.lines.size() < kBlockLines && block.text.size() < kBlockText && reader.Next(line, tooLong)) {
        block.lines.push_back({block.text.size(), line.size(), reader.LineNumber(), tooLong});
        block.text.append(line.data(), line.size());
    }
    return !block.lines.empty();
}

// Writes the output rows of every line of block into its output.
void WriteBlockRows(RowWriter& writer, Block& block)
{
    const std::string_view text = block.text;
    for (const Block::Line& l : block.lines) {
        if (!writer.Write(text.substr(l.offset, l.length), l.tooLong, l.number, block.output)) {
            ++block.rejected;
        }
    }
}

// True when a block was ended by a limit, so that more lines may follow.
bool BlockIsFull(const Block& block)
{
    return block.lines.size() >= kBlockLines || block.text.size() >= kBlockText;
}

// The rows one after another in the calling thread: first those of block, then the rest of the input.
void RunSerial(LineReader& reader, const Header& header, Block& first, std::ostream& out, BatchSummary& summary)
{
    RowWriter writer(header);
    WriteBlockRows(writer, first);
    summary.rows += first.lines.size();
    summary.rejected += first.rejected;
    if (!Flush(out, first.output)) {
        summary.writeFailed = true;
        return;
    }
    std::string buffer;
    buffer.reserve(kFlushSize + kBatchMaxLine);
    std::string_view line;
    bool tooLong = false;
    while (reader.Next(line, tooLong)) {
        ++summary.rows;
        summary.rejected += writer.Write(line, tooLong, reader.LineNumber(), buffer) ? 0 : 1;
        if (buffer.size() >= kFlushSize && !Flush(out, buffer)) {
            summary.writeFailed = true;
            return;
        }
    }
    summary.writeFailed = !Flush(out, buffer);
}

// The rows in blocks on worker threads, starting with first: this thread reads blocks and writes
// the finished ones in input order. At most two blocks per worker are held at a time, so memory
// does not grow with the input.
void RunParallel(LineReader& reader, const Header& header, std::unique_ptr<Block> first, unsigned workers,
                 std::ostream& out, BatchSummary& summary)
{
    std::mutex mutex;
    std::condition_variable workReady;
    std::condition_variable blockDone;
    std::deque<Block*> pending;                  // read, not yet taken by a worker
    std::deque<std::unique_ptr<Block>> inFlight; // read, not yet written; in input order
    std::vector<std::unique_ptr<Block>> spare;   // written, ready to be filled again
    std::exception_ptr failure;                  // the first exception of a worker
    bool stopping = false;
    const std::size_t maxInFlight = 2 * static_cast<std::size_t>(workers);

    auto work = [&]() {
        RowWriter writer(header);
        std::unique_lock<std::mutex> lock(mutex);
        for (;;) {
            workReady.wait(lock, [&] { return stopping || !pending.empty(); });
            if (pending.empty()) {
                return;
            }
            Block* block = pending.front();
            pending.pop_front();
            lock.unlock();
            try {
                WriteBlockRows(writer, *block);
            } catch (...) {
                lock.lock();
                failure = failure ? failure : std::current_exception();
                lock.unlock();
            }
            lock.lock();
            block->done = true;
            blockDone.notify_all();
        }
    };
    std::vector<std::thread> pool;
    try {
        for (unsigned i = 0; i < workers; ++i) {
            pool.emplace_back(work);
        }
    } catch (const std::system_error&) {
        // Fewer threads than asked for: the ones that started do the work.
    }
    if (pool.empty()) {
        RunSerial(reader, header, *first, out, summary);
        return;
    }

    // Writes the finished blocks at the front; with a limit, first waits until fewer than that
    // many blocks are in flight. Called and returns with the lock held.
    auto writeFinished = [&](std::unique_lock<std::mutex>& lock, std::size_t limit) {
        while (!inFlight.empty()) {
            if (!inFlight.front()->done) {
                if (inFlight.size() < limit || failure) {
                    return;
                }
                blockDone.wait(lock);
                continue;
            }
            std::unique_ptr<Block> block = std::move(inFlight.front());
            inFlight.pop_front();
            lock.unlock();
            summary.rejected += block->rejected;
            if (!summary.writeFailed) {
                summary.writeFailed = !Flush(out, block->output);
            }
            lock.lock();
            spare.push_back(std::move(block));
        }
    };

    std::unique_lock<std::mutex> lock(mutex);
    std::unique_ptr<Block> block = std::move(first); // already filled
    while (!summary.writeFailed && !failure) {
        bool more = true;
        if (!block) {
            if (!spare.empty()) {
                block = std::move(spare.back());
                spare.pop_back();
            }
            lock.unlock();
            if (!block) {
                block = std::make_unique<Block>();
            }
            more = FillBlock(reader, *block);
            lock.lock();
        }
        if (!more) {
            break;
        }
        summary.rows += block->lines.size();
        pending.push_back(block.get());
        inFlight.push_back(std::move(block));
        workReady.notify_one();
        writeFinished(lock, maxInFlight);
    }
    writeFinished(lock, 1); // everything still in flight
    stopping = true;
    pending.clear();
    workReady.notify_all();
    lock.unlock();
    for (std::thread& t : pool) {
        t.join();
    }
    if (failure) {
        std::rethrow_exception(failure);
    }
}

unsigned DefaultWorkers()
{
    const unsigned cores = std::thread::hardware_concurrency();
    return cores < 2 ? 1 : (cores > 4 ? 4 : cores);
}

} // namespace

BatchSummary RunBatch(std::istream& in, std::ostream& out, unsigned workers)
{
    BatchSummary summary;
    LineReader reader(in, kBatchMaxLine);
    std::string buffer = std::string(kCsvOutputHeader) + "\n";

    std::string_view line;
    bool tooLong = false;
    if (!reader.Next(line, tooLong)) {
        summary.writeFailed = !Flush(out, buffer);
        return summary; // no header, no rows
    }
    const Header header = ReadHeader(line, tooLong);
    summary.headerError = header.error;
    if (!Flush(out, buffer)) {
        summary.writeFailed = true;
        return summary;
    }
    // Threads only pay for input of more than one block.
    auto first = std::make_unique<Block>();
    FillBlock(reader, *first);
    workers = workers == 0 ? DefaultWorkers() : workers;
    if (workers == 1 || !BlockIsFull(*first)) {
        RunSerial(reader, header, *first, out, summary);
    } else {
        RunParallel(reader, header, std::move(first), workers, out, summary);
    }
    return summary;
}
