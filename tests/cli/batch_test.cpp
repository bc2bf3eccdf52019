// Tests of vkcalc's batch mode: columns in any order, defaults, error rows, line ends, one output row per input row.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "batch.h"
#include "csv.h"
#include "dispatch.h"
#include "format.h"

namespace {

struct BatchRun {
    BatchSummary summary;
    std::vector<std::string> lines; // output lines without their LF
};

BatchRun Batch(const std::string& input)
{
    std::istringstream in(input);
    std::ostringstream out;
    BatchRun run;
    run.summary = RunBatch(in, out);
    std::istringstream text(out.str());
    for (std::string line; std::getline(text, line);) {
        run.lines.push_back(line);
    }
    EXPECT_EQ(out.str().back(), '\n');
    return run;
}

std::vector<std::string> Cells(const std::string& line)
{
    std::vector<std::string> cells;
    std::string error;
    EXPECT_TRUE(SplitCsvLine(line, cells, error)) << line;
    EXPECT_EQ(cells.size(), 13u) << line;
    return cells;
}

// The output row that panel gives, as the batch writes it.
std::string RowOf(const PanelReading& panel)
{
    std::string row;
    AppendOutcomeCsv(row, Calculate(panel));
    return row;
}

TEST(RunBatch, ColumnsInAnyOrderAndMissingOnesAtStartUpValues)
{
    // The first worked example of Tomahawk 1W, columns shuffled, spin, ring, rain, fairway and beam missing.
    const BatchRun run = Batch("slope,direction,height,distance,wind,power,club\n1,45,3,200,5,30,1W\n");
    ASSERT_EQ(run.lines.size(), 2u);
    EXPECT_EQ(run.lines[0], kCsvOutputHeader);
    const std::vector<std::string> cells = Cells(run.lines[1]);
    EXPECT_EQ(cells[0], "2.7385");
    EXPECT_EQ(cells[1], "77.701");
    EXPECT_EQ(cells[2], "4.2107");
    EXPECT_EQ(cells[3], "87.721");
    EXPECT_EQ(cells[4], "---");
    EXPECT_EQ(cells[5], "---");
    EXPECT_EQ(cells[8].substr(0, 11), "4.210721418");
    EXPECT_EQ(cells[10], "");
    EXPECT_EQ(cells[12], "");
    EXPECT_EQ(run.summary.rows, 1u);
    EXPECT_EQ(run.summary.rejected, 0u);
}

TEST(RunBatch, EveryColumnSetsItsControl)
{
    PanelReading panel;
    panel.club = "2I";
    panel.power = "22";
    panel.crimsonRing = true;
    panel.fairway[0] = false;
    panel.fairway[4] = true;
    panel.rain = true;
    panel.windPower = "8";
    panel.distance = "90";
    panel.height = "-4.5";
    panel.direction = "-30";
    panel.slope = "2.5";
    panel.beam6I = false;
    panel.beam9I = true;
    const BatchRun run = Batch("club,power,spin,ring,fairway,rain,wind,distance,height,direction,slope,beam\n"
                               "2i,22,7,1,80,1,8,90,-4.5,-30,2.5,9I\n");
    ASSERT_EQ(run.lines.size(), 2u);
    EXPECT_EQ(run.lines[1], RowOf(panel));
    // Header names ignore letter case; quoted cells hold the same texts.
    EXPECT_EQ(Batch("CLUB,Power,spin,RING,fairway,rain,wind,distance,height,direction,slope,Beam\n"
                    "\"2i\",\"22\",7,1,80,1,8,90,\"-4.5\",-30,2.5,9I\n")
                  .lines[1],
              RowOf(panel));
}

TEST(RunBatch, ErrorRowInTheMiddleLeavesItsNeighboursIntact)
{
    const std::string header = "club,distance,height\n";
    const std::string a = "3W,150,2\n";
    const std::string b = "2I,95,-1\n";
    const BatchRun alone = Batch(header + a + b);
    const BatchRun mixed = Batch(header + a + "3W,15x,2\n" + b);
    ASSERT_EQ(mixed.lines.size(), 4u);
    EXPECT_EQ(mixed.lines[1], alone.lines[1]);
    EXPECT_EQ(mixed.lines[3], alone.lines[2]);
    const std::vector<std::string> cells = Cells(mixed.lines[2]);
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(cells[i], "") << i;
    }
    EXPECT_EQ(cells[12], "line 3: distance \"15x\": accepted are 1 to 8 characters, each a digit or '.'");
    EXPECT_EQ(mixed.summary.rows, 3u);
    EXPECT_EQ(mixed.summary.rejected, 1u);
}

TEST(RunBatch, MalformedLinesBecomeErrorRows)
{
    struct Case {
        std::string line;
        const char* error;
    };
    const Case cases[] = {
        {"1W", "line 2: 1 cell, but the header names 2 columns"},
        {"1W,200,3", "line 2: 3 cells, but the header names 2 columns"},
        {"", "line 2: 1 cell, but the header names 2 columns"},
        {"\"1W,200", "line 2: a quoted cell is not closed"},
        {"\"1W\"x,200", "line 2: text after the closing quote of a cell"},
        {"1W,", "line 2: distance \"\": empty; accepted are 1 to 8 characters, each a digit or '.'"},
        {"9W,200", "line 2: club \"9W\": accepted are 1W, 2W, 3W or 2I (letter case ignored)"},
        {std::string(5000, '1'), "line 2: longer than 4096 characters"},
    };
    for (const Case& c : cases) {
        const BatchRun run = Batch("club,distance\n" + c.line + "\n1W,200\n");
        ASSERT_EQ(run.lines.size(), 3u) << c.error;
        EXPECT_EQ(Cells(run.lines[1])[12], c.error);
        EXPECT_EQ(Cells(run.lines[2])[12], "") << "the next row is read normally";
        EXPECT_EQ(run.summary.rejected, 1u);
    }
}

TEST(RunBatch, BadHeaderRejectsEveryRowAndSaysWhy)
{
    struct Case {
        std::string header;
        const char* error;
    };
    const Case cases[] = {
        {"club,speed", "the header names the unknown column \"speed\""},
        {"club,distance,club", "the header names the column \"club\" twice"},
        {"club,", "the header names the unknown column \"\""},
        {"", "the header names the unknown column \"\""},
        {" club", "the header names the unknown column \" club\""},
        {"\"club", "the header is malformed: a quoted cell is not closed"},
        {std::string(5000, 'c'), "the header is longer than 4096 characters"},
    };
    for (const Case& c : cases) {
        const BatchRun run = Batch(c.header + "\n1W,200\n3W,150\n");
        EXPECT_EQ(run.summary.headerError, c.error) << c.header;
        ASSERT_EQ(run.lines.size(), 3u);
        EXPECT_EQ(Cells(run.lines[1])[12], std::string("line 2: ") + c.error);
        EXPECT_EQ(Cells(run.lines[2])[12], std::string("line 3: ") + c.error);
        EXPECT_EQ(run.summary.rejected, 2u);
    }
}

TEST(RunBatch, CrlfLineEndsGiveTheSameOutputAsLf)
{
    const std::string lf = "club,distance,height,direction\n1W,230,3,45\n2I,90,-2,120\n3W,80,0,0\n";
    std::string crlf;
    for (const char c : lf) {
        crlf += (c == '\n') ? "\r\n" : std::string(1, c);
    }
    const BatchRun a = Batch(lf);
    const BatchRun b = Batch(crlf);
    EXPECT_EQ(a.lines, b.lines);
    EXPECT_EQ(b.summary.rejected, 0u);
    // The same without the last line end, and with a byte order mark before the header.
    crlf.resize(crlf.size() - 2);
    EXPECT_EQ(Batch("\xEF\xBB\xBF" + crlf).lines, a.lines);
}

TEST(RunBatch, EmptyInputGivesTheHeaderOnly)
{
    const BatchRun none = Batch("");
    EXPECT_EQ(none.lines, std::vector<std::string>{kCsvOutputHeader});
    EXPECT_EQ(none.summary.headerError, "");
    const BatchRun headerOnly = Batch("club\n");
    EXPECT_EQ(headerOnly.lines.size(), 1u);
    EXPECT_EQ(headerOnly.summary.rows, 0u);
}

TEST(RunBatch, ManyRowsStreamInOrder)
{
    std::string input = "distance,height\n";
    for (int i = 0; i < 5000; ++i) {
        input += std::to_string(50 + i % 250) + "," + std::to_string(i % 7 - 3) + "\n";
    }
    const BatchRun run = Batch(input);
    ASSERT_EQ(run.lines.size(), 5001u);
    for (int i : {0, 1, 2499, 4999}) {
        PanelReading panel;
        panel.distance = std::to_string(50 + i % 250);
        panel.height = std::to_string(i % 7 - 3);
        EXPECT_EQ(run.lines[static_cast<std::size_t>(i) + 1], RowOf(panel)) << i;
    }
}

TEST(RunBatch, WorkerThreadsGiveTheSameRowsInTheSameOrder)
{
    // Blocks end after 4096 lines or 256 KiB: long lines and many rows cross both limits.
    std::string input = "club,distance,height,direction\n";
    const char* const clubs[] = {"1W", "2W", "3W", "2I", "9W"};
    for (int i = 0; i < 20000; ++i) {
        input += std::string(clubs[i % 5]) + "," + std::to_string(60 + i % 260) + "," + std::to_string(i % 9 - 4) +
                 "," + std::to_string(i % 360) + "\n";
        if (i % 997 == 0) {
            input += std::string(5000, 'x') + "\n";
        }
    }
    std::string expected;
    BatchSummary serial;
    for (unsigned workers : {1u, 2u, 3u, 0u}) {
        std::istringstream in(input);
        std::ostringstream out;
        const BatchSummary summary = RunBatch(in, out, workers);
        if (workers == 1) {
            expected = out.str();
            serial = summary;
            continue;
        }
        EXPECT_EQ(out.str(), expected) << workers << " workers";
        EXPECT_EQ(summary.rows, serial.rows);
        EXPECT_EQ(summary.rejected, serial.rejected);
    }
    EXPECT_EQ(serial.rows, 20000u + 21u);
    EXPECT_EQ(serial.rejected, 4000u + 21u);
}

TEST(RunBatch, WriteFailureStopsAndIsReported)
{
    std::string input = "distance\n";
    for (int i = 0; i < 30000; ++i) {
        input += std::to_string(100 + i % 200) + "\n";
    }
    for (unsigned workers : {1u, 2u}) {
        std::istringstream in(input);
        std::ostringstream out;
        out.setstate(std::ios::badbit);
        EXPECT_TRUE(RunBatch(in, out, workers).writeFailed) << workers;
    }
}

// Regression: an error message that quotes a value with a comma or a quote must stay one cell.
TEST(RunBatch, RegressionErrorCellWithCommaAndQuoteStaysOneCell)
{
    const BatchRun run = Batch("club,distance\n\"1,\"\"W\",200\n");
    ASSERT_EQ(run.lines.size(), 2u);
    EXPECT_EQ(Cells(run.lines[1])[12],
              "line 2: club \"1,\\\"W\": accepted are 1W, 2W, 3W or 2I (letter case ignored)");
}

} // namespace
