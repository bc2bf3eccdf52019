// Tests of vkcalc: its invocations with their exact answers, the situations through the options
// and one batch, the output forms, and the batch's threads, line reading and failed writes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "batch.h"
#include "csv.h"
#include "format.h"
#include "situations.h"
#include "table_shot_model.h"
#include "vkcalc.h"

namespace {

struct CliRun {
    int status = -1;
    std::string out, err;
};

CliRun Vkcalc(const std::vector<std::string>& args, const std::string& input = "")
{
    std::vector<const char*> argv = {"vkcalc"};
    for (const std::string& a : args) {
        argv.push_back(a.c_str());
    }
    std::istringstream in(input);
    std::ostringstream out, err;
    CliRun run;
    run.status = RunVkcalc(static_cast<int>(argv.size()), argv.data(), in, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

const std::string kHeader = std::string(kCsvOutputHeader) + "\n";
const std::string kNumber = "1 to 8 characters, each a digit or '.'";
const std::string kSigned = "1 to 8 characters, each a digit, '.' or '-'";
const std::string kClubs = "1W, 2W, 3W or 2I (letter case ignored)";

// Twelve empty result cells and the error cell of a rejected batch row, quoted where CSV needs it.
std::string ErrorRow(const std::string& message)
{
    if (message.find_first_of(",\"") == std::string::npos) {
        return ",,,,,,,,,,,," + message + "\n";
    }
    std::string quoted;
    for (const char c : message) {
        quoted += c == '"' ? "\"\"" : std::string(1, c);
    }
    return ",,,,,,,,,,,,\"" + quoted + "\"\n";
}

TEST(Vkcalc, InvocationsAndTheirExactAnswers)
{
    const struct {
        std::vector<std::string> args;
        std::string in;
        int status;
        std::string out, err;
    } cases[] = {
        {{"--version"}, "", 0, std::string("vkcalc ") + VK_VERSION_TEXT + "\n", ""},
        {{"--club", "1W", "--power", "30", "--wind", "5", "--distance", "200", "--height", "3", "--direction", "45",
          "--slope", "1"}, "", 0,
         "Tomahawk     drift 2.7385 y  shot 77.701 %\nBack Spin    drift 4.2107 y  shot 87.721 %\n"
         "Beam Impact  drift ---       shot ---\n", ""},
        {{"--power", "30", "--distance", "91:99.5:4"}, "", 0,
         "          Tomahawk          Back Spin         Beam Impact\n"
         "distance  drift y  shot %   drift y  shot %   drift y  shot %\n"
         "91        ---      ---      ---      ---      ---      ---\n"
         "95        ---      ---      ---      ---      ---      ---\n"
         "99        ---      ---      ---      ---      ---      ---\n", ""},
        {{"--club", "5W"}, "", 2, "", "vkcalc: --club \"5W\": accepted are " + kClubs + "\n"},
        {{"--club=1 W"}, "", 2, "", "vkcalc: --club \"1 W\": accepted are " + kClubs + "\n"},
        {{"--power", "36"}, "", 2, "", "vkcalc: --power \"36\": accepted are 20 to 35\n"},
        {{"--power", "025"}, "", 2, "", "vkcalc: --power \"025\": accepted are 20 to 35\n"},
        {{"--spin", "8"}, "", 2, "", "vkcalc: --spin \"8\": accepted are 7\n"},
        {{"--fairway", "70"}, "", 2, "", "vkcalc: --fairway \"70\": accepted are 100, 95, 90, 85, 80 or 75\n"},
        {{"--wind", "0"}, "", 2, "", "vkcalc: --wind \"0\": accepted are 1 to 9\n"},
        {{"--beam", "7I"}, "", 2, "", "vkcalc: --beam \"7I\": accepted are 6I or 9I (letter case ignored)\n"},
        {{"--distance", "-5"}, "", 2, "", "vkcalc: --distance \"-5\": accepted are " + kNumber + "\n"},
        {{"--distance", "123456789"}, "", 2, "",
         "vkcalc: --distance \"123456789\": longer than 8 characters; accepted are " + kNumber + "\n"},
        {{"--height", "1e3"}, "", 2, "", "vkcalc: --height \"1e3\": accepted are " + kSigned + "\n"},
        {{"--slope", "+1"}, "", 2, "", "vkcalc: --slope \"+1\": accepted are " + kSigned + "\n"},
        {{"--height="}, "", 2, "", "vkcalc: --height \"\": empty; accepted are " + kSigned + "\n"},
        {{"--slope"}, "", 2, "", "vkcalc: --slope needs a value; accepted are " + kSigned + "\n"},
        {{"--ring=1"}, "", 2, "", "vkcalc: --ring takes no value (given \"1\")\n"},
        {{"--json=yes"}, "", 2, "", "vkcalc: --json takes no value (given \"yes\")\n"},
        {{"--club", "1W", "--club", "2W"}, "", 2, "", "vkcalc: --club is given twice\n"},
        {{"--json", "--json"}, "", 2, "", "vkcalc: --json is given twice\n"},
        {{"--bogus=3"}, "", 2, "", "vkcalc: unknown option \"--bogus\"; see --help\n"},
        {{"-d", "200"}, "", 2, "", "vkcalc: unknown option \"-d\"; see --help\n"},
        {{"--"}, "", 2, "", "vkcalc: unknown option \"--\"; see --help\n"},
        {{"200"}, "", 2, "", "vkcalc: unexpected argument \"200\"; see --help\n"},
        {{"--bogus", "--help"}, "", 2, "", "vkcalc: unknown option \"--bogus\"; see --help\n"},
        {{"--club", "\x01\xff\"\\"}, "", 2, "", "vkcalc: --club \"\\x01\\xFF\\\"\\\\\": accepted are " + kClubs + "\n"},
        {{"--club", std::string(50, 'w')}, "", 2, "",
         "vkcalc: --club \"" + std::string(40, 'w') + "...\": accepted are " + kClubs + "\n"},
        {{"--distance", "300:200:5"}, "", 2, "", "vkcalc: --distance \"300:200:5\": FROM must not be above TO\n"},
        {{"--distance", "1:2:0"}, "", 2, "", "vkcalc: --distance \"1:2:0\": STEP must be above 0\n"},
        {{"--distance", "0:100000:0.5"}, "", 2, "",
         "vkcalc: --distance \"0:100000:0.5\": gives 200001 distances; at most 100000 are allowed\n"},
        {{"--distance", "1:2:3:4"}, "", 2, "",
         "vkcalc: --distance \"1:2:3:4\": a sweep is FROM:TO:STEP, each 1 to 8 characters of digits with at most "
         "one '.'\n"},
        {{"--distance", "99999990:99999999:0.5"}, "", 2, "",
         "vkcalc: --distance \"99999990:99999999:0.5\": the distance 99999999.0 would be longer than 8 characters\n"},
        {{"--csv", "--distance", "200"}, "", 2, "",
         "vkcalc: --csv reads every input from standard input; it takes no other option\n"},
        {{"--csv"}, "", 0, kHeader, ""},
        {{"--csv"}, "club\n", 0, kHeader, ""},
        {{"--csv"}, "club,speed\n1W\n", 1, kHeader + ErrorRow("line 2: the header names the unknown column \"speed\""),
         "vkcalc: the header names the unknown column \"speed\"; every row is rejected\n"},
        {{"--csv"}, "club,CLUB\n1W,2W\n", 1,
         kHeader + ErrorRow("line 2: the header names the column \"CLUB\" twice"),
         "vkcalc: the header names the column \"CLUB\" twice; every row is rejected\n"},
        {{"--csv"}, "\"club\n1W\n", 1, kHeader + ErrorRow("line 2: the header is malformed: a quoted cell is not closed"),
         "vkcalc: the header is malformed: a quoted cell is not closed; every row is rejected\n"},
        {{"--csv"}, std::string(5000, 'c') + "\n\n", 1,
         kHeader + ErrorRow("line 2: the header is longer than 4096 characters"),
         "vkcalc: the header is longer than 4096 characters; every row is rejected\n"},
        {{"--csv"},
         "\xEF\xBB\xBF" "club,distance\r\n1W\r\n1W,200,3\r\n\"1W,200\n\"1W\"x,200\n1W,\n9W,200\n"
         "\"1,\"\"W\",200\n1W,15x\n" + std::string(5000, '1') + "\n",
         1,
         kHeader + ErrorRow("line 2: 1 cell, but the header names 2 columns") +
             ErrorRow("line 3: 3 cells, but the header names 2 columns") +
             ErrorRow("line 4: a quoted cell is not closed") +
             ErrorRow("line 5: text after the closing quote of a cell") +
             ErrorRow("line 6: distance \"\": empty; accepted are " + kNumber) +
             ErrorRow("line 7: club \"9W\": accepted are " + kClubs) +
             ErrorRow("line 8: club \"1,\\\"W\": accepted are " + kClubs) +
             ErrorRow("line 9: distance \"15x\": accepted are " + kNumber) +
             ErrorRow("line 10: longer than 4096 characters"),
         "vkcalc: 9 of 9 rows rejected\n"},
    };
    for (const auto& c : cases) {
        const CliRun run = Vkcalc(c.args, c.in);
        const std::string label = c.args[0] + (c.args.size() > 1 ? " " + c.args[1] : "");
        EXPECT_EQ(run.status, c.status) << label;
        EXPECT_EQ(run.out, c.out) << label;
        EXPECT_EQ(run.err, c.err) << label;
    }
}

TEST(Vkcalc, HelpNamesEveryInputWithItsStartUpValue)
{
    const CliRun help = Vkcalc({"--club", "2W", "--help", "--bogus"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: vkcalc [OPTION]...\n", 0), 0u);
    for (const char* line : {"  --club VALUE        club [1W]\n                      1W, 2W, 3W or 2I",
                             "  --power VALUE       character power [25]\n                      20 to 35\n",
                             "  --ring              Crimson Ring [not ticked]\n                      a flag",
                             "  --fairway VALUE     fairway percent [100]\n", "  --distance VALUE    distance, yards [230]\n",
                             "  --beam VALUE        Beam Impact iron [6I]\n",
                             "   club,power,spin,ring,fairway,rain,wind,distance,height,\n"
                             "                      direction,slope,beam\n"}) {
        EXPECT_NE(help.out.find(line), std::string::npos) << line;
    }
    EXPECT_EQ(help.err, "");
}

// Every situation of the table through vkcalc's options, and all of them as one CSV batch: each
// group's state, its texts exactly and its values to the digits given.
TEST(Vkcalc, SituationsThroughTheOptionsAndOneBatch)
{
    const char* const kGroups[3] = {"tomahawk", "backSpin", "beamImpact"};
    std::string header;
    std::string batch;
    for (const situations::Situation& s : situations::kSituations) {
        std::vector<std::string> args = {"--json"};
        std::string row;
        for (const auto& field : situations::Fields(s)) {
            if (batch.empty()) {
                header += (header.empty() ? "" : ",") + field.first;
            }
            row += (row.empty() ? "" : ",") + field.second;
            if (field.first == "ring" || field.first == "rain") {
                args.insert(args.end(), field.second == "1" ? 1 : 0, "--" + field.first);
            } else {
                args.insert(args.end(), {"--" + field.first, field.second});
            }
        }
        batch += row + "\n";
        const CliRun run = Vkcalc(args);
        ASSERT_EQ(run.status, 0) << run.err;
        for (int g = 0; g < 3; ++g) {
            const std::string cleared = "\"state\":\"cleared\",\"driftText\":\"---\",\"shotText\":\"---\",\"drift\":null";
            const std::string at = std::string("\"") + kGroups[g] + "\":{";
            EXPECT_NE(run.out.find(at + (s.groups[g] == 'W' ? "\"state\":\"written\"" : cleared)), std::string::npos)
                << row << " " << g << " " << run.out;
        }
        if (s.group >= 0) {
            const std::string texts = std::string("\"") + kGroups[s.group] + "\":{\"state\":\"written\",\"driftText\":\"" +
                                      s.driftText + "\",\"shotText\":\"" + s.shotText + "\",\"drift\":";
            const std::size_t at = run.out.find(texts);
            ASSERT_NE(at, std::string::npos) << row << " " << run.out;
            char* end = nullptr;
            EXPECT_PRED2(situations::MatchesDigits, s.drift, std::strtod(run.out.c_str() + at + texts.size(), &end));
            EXPECT_PRED2(situations::MatchesDigits, s.shot, std::strtod(std::strchr(end, ':') + 1, nullptr));
        }
    }
    const CliRun run = Vkcalc({"--csv"}, header + "\n" + batch);
    ASSERT_EQ(run.status, 0) << run.err;
    std::istringstream lines(run.out);
    std::string line;
    std::getline(lines, line);
    for (const situations::Situation& s : situations::kSituations) {
        std::getline(lines, line);
        std::vector<std::string> cells;
        std::string error;
        ASSERT_TRUE(SplitCsvLine(line, cells, error));
        ASSERT_EQ(cells.size(), 13u) << line;
        for (int g = 0; g < 3; ++g) {
            EXPECT_EQ(cells[2 * g] == "---", s.groups[g] == 'C') << line;
            EXPECT_EQ(cells[6 + 2 * g].empty(), s.groups[g] == 'C') << line;
        }
        if (s.group >= 0) {
            EXPECT_EQ(cells[2 * s.group], s.driftText);
            EXPECT_EQ(cells[2 * s.group + 1], s.shotText);
            EXPECT_PRED2(situations::MatchesDigits, s.drift, std::strtod(cells[6 + 2 * s.group].c_str(), nullptr));
            EXPECT_PRED2(situations::MatchesDigits, s.shot, std::strtod(cells[7 + 2 * s.group].c_str(), nullptr));
        }
        EXPECT_EQ(cells[12], "");
    }
}

TEST(Vkcalc, SweepLinesAreTheSingleRunsWithTheirDistance)
{
    const CliRun sheet = Vkcalc({"--club", "2I", "--wind", "4", "--distance", "88:91:0.5", "--json"});
    ASSERT_EQ(sheet.status, 0) << sheet.err;
    std::istringstream lines(sheet.out);
    std::string line;
    for (const char* d : {"88.0", "88.5", "89.0", "89.5", "90.0", "90.5", "91.0"}) {
        ASSERT_TRUE(std::getline(lines, line));
        const std::string distance = std::string("{\"distance\":\"") + d + "\",";
        ASSERT_EQ(line.rfind(distance, 0), 0u) << line;
        EXPECT_EQ("{" + line.substr(distance.size()) + "\n", Vkcalc({"--club", "2I", "--wind", "4", "--distance", d, "--json"}).out);
    }
    EXPECT_FALSE(std::getline(lines, line));
}

// The output forms of one outcome, with the group states vkcalc's options cannot reach.
TEST(Vkcalc, OutputFormsOfOneOutcome)
{
    DispatchOutcome o;
    o.tomahawk.action = GroupAction::Written;
    o.tomahawk.result = MakeShotResult(2.738582726983958, 77.701242646701871);
    o.backSpin.action = GroupAction::Written;
    o.backSpin.result = InvalidShotResult();
    o.beam.action = GroupAction::Cleared;
    std::string text;
    AppendOutcomeText(text, o);
    EXPECT_EQ(text, "Tomahawk     drift 2.7385 y  shot 77.701 %\nBack Spin    drift error     shot error\n"
                    "Beam Impact  drift ---       shot ---\n");
    std::string json;
    AppendOutcomeJson(json, o, "90.5");
    EXPECT_EQ(json, "{\"distance\":\"90.5\",\"tomahawk\":{\"state\":\"written\",\"driftText\":\"2.7385\",\"shotText\":"
                    "\"77.701\",\"drift\":2.738582726983958,\"shot\":77.701242646701871},\"backSpin\":{\"state\":"
                    "\"written\",\"driftText\":\"error\",\"shotText\":\"error\",\"drift\":null,\"shot\":null},"
                    "\"beamImpact\":{\"state\":\"cleared\",\"driftText\":\"---\",\"shotText\":\"---\",\"drift\":null,"
                    "\"shot\":null}}\n");
    std::string csv;
    AppendOutcomeCsv(csv, o);
    EXPECT_EQ(csv, "2.7385,77.701,error,error,---,---,2.738582726983958,77.701242646701871,nan,nan,,,");
    o.tomahawk = GroupOutcome();
    text.clear();
    json.clear();
    AppendOutcomeText(text, o);
    AppendOutcomeJson(json, o);
    EXPECT_EQ(text.substr(0, 30), "Tomahawk     (not calculated)\n");
    EXPECT_EQ(json.rfind("{\"tomahawk\":{\"state\":\"unchanged\",\"driftText\":\"\",\"shotText\":\"\",\"drift\":null", 0), 0u);
    for (double v : {0.1, 1e-300, -123456.789}) {
        std::string out;
        AppendDouble17(out, v);
        char expected[40];
        std::snprintf(expected, sizeof expected, "%.17g", v);
        EXPECT_EQ(out, expected);
    }
}

TEST(Batch, WorkerThreadsGiveTheSameRowsInTheSameOrder)
{
    // Blocks end after 4096 lines or 256 KiB: many rows and long lines cross both limits.
    std::string input = "club,distance,height,direction\n";
    const char* const clubs[] = {"1W", "2W", "3W", "2I", "9W"};
    for (int i = 0; i < 20000; ++i) {
        input += std::string(clubs[i % 5]) + "," + std::to_string(60 + i % 260) + "," + std::to_string(i % 9 - 4) +
                 "," + std::to_string(i % 360) + "\n";
        if (i % 997 == 0) {
            input += std::string(5000, 'x') + "\n";
        }
    }
    std::string serial;
    for (unsigned workers : {1u, 2u, 3u, 0u}) {
        std::istringstream in(input);
        std::ostringstream out;
        const BatchSummary summary = RunBatch(in, out, workers);
        EXPECT_EQ(summary.rows, 20021u) << workers;
        EXPECT_EQ(summary.rejected, 4021u) << workers;
        if (workers == 1) {
            serial = out.str();
        }
        EXPECT_EQ(out.str(), serial) << workers << " workers";
    }
    EXPECT_EQ(std::count(serial.begin(), serial.end(), '\n'), 20022);
}

TEST(Batch, LinesAcrossReadChunksAndFailedWrites)
{
    // Lines of 1..99 characters, some ending in CRLF, cross the 64 KiB chunks at every offset;
    // a long line is cut and marked, and the last line has no line end.
    std::string input;
    std::vector<std::string> expected;
    for (int i = 0; input.size() < 300000; ++i) {
        expected.push_back(std::string(static_cast<std::size_t>(1 + i % 99), char('a' + i % 26)) + std::to_string(i));
        input += expected.back() + ((i % 3 == 0) ? "\r\n" : "\n");
    }
    input += std::string(70000, 'x') + "\r\n" + "a\rb\r\r\nlast";
    expected.insert(expected.end(), {std::string(200, 'x') + "!", "a\rb\r", "last"});
    std::istringstream in(input);
    LineReader reader(in, 200);
    std::vector<std::string> lines;
    std::string_view line;
    bool tooLong = false;
    while (reader.Next(line, tooLong)) {
        lines.push_back(std::string(line) + (tooLong ? "!" : ""));
    }
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(reader.LineNumber(), expected.size());

    for (unsigned workers : {1u, 2u}) {
        std::string many = "distance\n";
        for (int i = 0; i < 30000; ++i) {
            many += std::to_string(100 + i % 200) + "\n";
        }
        std::istringstream batchIn(many);
        std::ostringstream out;
        out.setstate(std::ios::badbit);
        EXPECT_TRUE(RunBatch(batchIn, out, workers).writeFailed) << workers;
    }
    const char* argv[] = {"vkcalc", "--distance", "100:200:1"};
    std::istringstream none;
    std::ostringstream bad, err;
    bad.setstate(std::ios::badbit);
    EXPECT_EQ(RunVkcalc(3, argv, none, bad, err), 1);
    EXPECT_EQ(err.str(), "vkcalc: cannot write the output\n");
}

} // namespace
