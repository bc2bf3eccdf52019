// Throughput of vkcalc's batch mode: rows per second through RunBatch, and the pieces of one row.
#include <benchmark/benchmark.h>

#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "batch.h"
#include "csv.h"
#include "format.h"

namespace {

// An output buffer that counts and discards, so that only vkcalc's own work is timed.
class NullBuffer : public std::streambuf {
protected:
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
    int_type overflow(int_type c) override { return traits_type::not_eof(c); }
};

// rows situations of every club, power, wind, fairway and iron, all columns given.
std::string MixedBatch(int rows)
{
    static const char* const clubs[] = {"1W", "2W", "3W", "2I"};
    static const char* const fairways[] = {"100", "95", "90", "85", "80", "75"};
    std::string text = "club,power,spin,ring,fairway,rain,wind,distance,height,direction,slope,beam\n";
    for (int i = 0; i < rows; ++i) {
        text += clubs[i % 4];
        text += "," + std::to_string(20 + i % 16) + ",7," + std::to_string(i / 3 % 2) + "," + fairways[i % 6] + "," +
                std::to_string(i / 5 % 2) + "," + std::to_string(1 + i % 9) + "," + std::to_string(50 + i % 271) +
                "." + std::to_string(i % 10) + "," + std::to_string(i % 31 - 15) + "," + std::to_string(i % 360) +
                "," + std::to_string(i % 7 - 3) + ".5," + (i % 2 ? "9I" : "6I") + "\n";
    }
    return text;
}

// Argument: rows.
void BM_BatchRows(benchmark::State& state)
{
    const int rows = static_cast<int>(state.range(0));
    const std::string input = MixedBatch(rows);
    NullBuffer sink;
    std::ostream out(&sink);
    for (auto _ : state) {
        std::istringstream in(input);
        const BatchSummary summary = RunBatch(in, out);
        benchmark::DoNotOptimize(summary);
    }
    state.SetItemsProcessed(state.iterations() * rows);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(input.size()));
}
BENCHMARK(BM_BatchRows)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_SplitCsvLine(benchmark::State& state)
{
    const std::string line = "2I,33,7,1,85,0,6,90.5,-12,300,-1.5,9I";
    std::vector<std::string_view> cells;
    std::string scratch, error;
    for (auto _ : state) {
        benchmark::DoNotOptimize(SplitCsvLine(line, cells, scratch, error));
    }
}
BENCHMARK(BM_SplitCsvLine);

void BM_AppendDouble17(benchmark::State& state)
{
    std::string out;
    double value = 77.701242646701871;
    for (auto _ : state) {
        out.clear();
        AppendDouble17(out, value);
        benchmark::DoNotOptimize(out.data());
        value += 1e-9;
    }
}
BENCHMARK(BM_AppendDouble17);

} // namespace
