// Tests of vkcalc: its invocations with their exact answers, failures of the system and the
// batch's line reading.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <new>
#include <sstream>
#include <streambuf>
#include <string>
#include <tuple>
#include <vector>

#include "batch.h"
#include "csv.h"
#include "input_fields.h"
#include "format.h"
#include "vkcalc.h"

namespace {

struct CliRun {
    int status = -1;
    std::string out, err;
};

// Runs vkcalc on the arguments and standard input; a failing output stream when asked.
CliRun Vkcalc(const std::vector<std::string>& args, const std::string& input = "", bool outputFails = false)
{
    std::vector<const char*> argv = {"vkcalc"};
    for (const std::string& a : args)
        argv.push_back(a.c_str());
    std::istringstream in(input);
    std::ostringstream out, err;
    out.setstate(outputFails ? std::ios::badbit : std::ios::goodbit);
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
const std::string kSheet = "          Tomahawk          Back Spin         Beam Impact\n"
                           "distance  drift y  shot %   drift y  shot %   drift y  shot %\n";
const std::string kNothing = "---      ---      ---      ---      ---      ---\n";
// A group in JSON whose shot is not offered, and a JSON sheet line of such groups.
const std::string kNone = "{\"state\":\"cleared\",\"driftText\":\"---\",\"shotText\":\"---\",\"drift\":null,\"shot\":null}";
std::string Cleared(const char* distance)
{
    return std::string("{\"distance\":\"") + distance + "\",\"tomahawk\":" + kNone + ",\"backSpin\":" + kNone +
           ",\"beamImpact\":" + kNone + "}\n";
}
const std::string kSweepForm = "a sweep is FROM:TO:STEP, each 1 to 8 characters of digits with at most one '.'";

// Twelve empty result cells and the error cell of a rejected batch row, quoted where CSV needs it.
std::string ErrorRow(const std::string& message)
{
    if (message.find_first_of(",\"") == std::string::npos)
        return ",,,,,,,,,,,," + message + "\n";
    std::string quoted;
    for (const char c : message)
        quoted += c == '"' ? "\"\"" : std::string(1, c);
    return ",,,,,,,,,,,,\"" + quoted + "\"\n";
}

// Arguments and standard input; exit status, standard output and the message ("vkcalc: " and the
// line end left out).
TEST(Vkcalc, InvocationsAndTheirExactAnswers)
{
    const std::tuple<std::vector<std::string>, std::string, int, std::string, std::string> cases[] = {
        {{"--version"}, "", 0, std::string("vkcalc ") + VK_VERSION_TEXT + "\n", ""},
        {{"--club", "1W", "--power", "30", "--wind", "5", "--distance", "200", "--height", "3", "--direction", "45",
          "--slope", "1"}, "", 0, "Tomahawk     drift 2.7385 y  shot 77.701 %\nBack Spin    drift 4.2107 y  shot 87.721 %\n"
                                  "Beam Impact  drift ---       shot ---\n", ""},
        {{"--power", "30", "--wind", "5", "--distance", "200", "--height", "3", "--direction", "45", "--slope", "1", "--json"}, "", 0,
         "{\"tomahawk\":{\"state\":\"written\",\"driftText\":\"2.7385\",\"shotText\":\"77.701\",\"drift\":2.738582726983958,"
         "\"shot\":77.701242646701871},\"backSpin\":{\"state\":\"written\",\"driftText\":\"4.2107\",\"shotText\":\"87.721\","
         "\"drift\":4.2107214182767798,\"shot\":87.721508469643595},\"beamImpact\":" + kNone + "}\n", ""},
        {{"--ring", "--rain", "--power", "25", "--wind", "8", "--distance", "50", "--height", "-5", "--direction", "300",
          "--slope", "-2", "--beam", "9I"}, "", 0, "Tomahawk     drift ---       shot ---\nBack Spin    drift ---       shot ---\n"
                                          "Beam Impact  drift 1.6169 y  shot 55.218 %\n", ""},
        {{"--power", "30", "--distance", "91:99.5:4"}, "", 0, kSheet + "91        " + kNothing + "95        " + kNothing +
                                                               "99        " + kNothing, ""},
        {{"--club", "1w", "--beam", "9i", "--power", "30", "--distance", "95.00001:95.00001:1"}, "", 0, kSheet + "95.00001  " + kNothing, ""},
        {{"--power", "30", "--distance", "91:95.5:4.5", "--json"}, "", 0, Cleared("91.0") + Cleared("95.5"), ""},
        {{"--distance", "1x:5:1"}, "", 2, "", "--distance \"1x:5:1\": " + kSweepForm},
        {{"--distance", "1.2.3:5:1"}, "", 2, "", "--distance \"1.2.3:5:1\": " + kSweepForm},
        {{"--distance", "123456789:123456790:1"}, "", 2, "", "--distance \"123456789:123456790:1\": " + kSweepForm},
        {{"--distance", "300:200:5"}, "", 2, "", "--distance \"300:200:5\": FROM must not be above TO"},
        {{"--distance", "1:2:0"}, "", 2, "", "--distance \"1:2:0\": STEP must be above 0"},
        {{"--distance", "0:100000:0.5"}, "", 2, "", "--distance \"0:100000:0.5\": gives 200001 distances; at most 100000 are allowed"},
        {{"--distance", "99999990:99999999:0.5"}, "", 2, "",
         "--distance \"99999990:99999999:0.5\": the distance 99999999.0 would be longer than 8 characters"},
        {{"--power", "36"}, "", 2, "", "--power \"36\": accepted are 20 to 35"}, {{"--spin", "8"}, "", 2, "", "--spin \"8\": accepted are 7"},
        {{"--fairway", "70"}, "", 2, "", "--fairway \"70\": accepted are 100, 95, 90, 85, 80 or 75"},
        {{"--beam", "7I"}, "", 2, "", "--beam \"7I\": accepted are 6I or 9I (letter case ignored)"},
        {{"--distance", "-5"}, "", 2, "", "--distance \"-5\": accepted are " + kNumber},
        {{"--height", "1e3"}, "", 2, "", "--height \"1e3\": accepted are " + kSigned},
        {{"--distance", "123456789"}, "", 2, "", "--distance \"123456789\": longer than 8 characters; accepted are " + kNumber},
        {{"--height="}, "", 2, "", "--height \"\": empty; accepted are " + kSigned}, {{"--slope"}, "", 2, "", "--slope needs a value; accepted are " + kSigned},
        {{"--ring=1"}, "", 2, "", "--ring takes no value (given \"1\")"}, {{"--json=yes"}, "", 2, "", "--json takes no value (given \"yes\")"},
        {{"--club", "1W", "--club", "2W"}, "", 2, "", "--club is given twice"}, {{"--json", "--json"}, "", 2, "", "--json is given twice"},
        {{"--bogus=3"}, "", 2, "", "unknown option \"--bogus\"; see --help"}, {{"-d", "200"}, "", 2, "", "unknown option \"-d\"; see --help"},
        {{"200"}, "", 2, "", "unexpected argument \"200\"; see --help"}, {{"--bogus", "--help"}, "", 2, "", "unknown option \"--bogus\"; see --help"},
        {{"--club", "\x01 \xff\"\\"}, "", 2, "", "--club \"\\x01 \\xFF\\\"\\\\\": accepted are " + kClubs},
        {{"--club", std::string(50, 'w')}, "", 2, "", "--club \"" + std::string(40, 'w') + "...\": accepted are " + kClubs},
        {{"--club", std::string(40, 'w')}, "", 2, "", "--club \"" + std::string(40, 'w') + "\": accepted are " + kClubs},
        {{"--csv", "--distance", "200"}, "", 2, "", "--csv reads every input from standard input; it takes no other option"},
        {{"--csv"}, "", 0, kHeader, ""},
        {{"--csv"}, "club\n", 0, kHeader, ""},
        {{"--csv"}, "power,wind,distance,height,direction,slope\n30,5,200,3,45,1\n", 0, kHeader + "2.7385,77.701,4.2107,87.721,---,---,"
         "2.738582726983958,77.701242646701871,4.2107214182767798,87.721508469643595,,,\n", ""},
        {{"--csv"}, "club\n9W\n", 1, kHeader + ErrorRow("line 2: club \"9W\": accepted are " + kClubs), "1 of 1 rows rejected"},
        {{"--csv"}, "club,speed\n1W\n", 1, kHeader + ErrorRow("line 2: the header names the unknown column \"speed\""),
         "the header names the unknown column \"speed\"; every row is rejected"},
        {{"--csv"}, "club,CLUB\n1W,2W\n", 1, kHeader + ErrorRow("line 2: the header names the column \"CLUB\" twice"),
         "the header names the column \"CLUB\" twice; every row is rejected"},
        {{"--csv"}, "\"club\n1W\n", 1, kHeader + ErrorRow("line 2: the header is malformed: a quoted cell is not closed"),
         "the header is malformed: a quoted cell is not closed; every row is rejected"},
        {{"--csv"}, std::string(5000, 'c') + "\n\n", 1, kHeader + ErrorRow("line 2: the header is longer than 4096 characters"),
         "the header is longer than 4096 characters; every row is rejected"},
        {{"--csv"}, "\xEF\xBB\xBF" "club,distance\r\n1W\r\n1W,200,3\r\n\"1W,200\n\"1W\"x,200\n1W,\n9W,200\n\"1,\"\"W\",200\n"
                    "1W,15x\n" + std::string(5000, '1') + "\n", 1,
         kHeader + ErrorRow("line 2: 1 cell, but the header names 2 columns") +
             ErrorRow("line 3: 3 cells, but the header names 2 columns") + ErrorRow("line 4: a quoted cell is not closed") +
             ErrorRow("line 5: text after the closing quote of a cell") +
             ErrorRow("line 6: distance \"\": empty; accepted are " + kNumber) +
             ErrorRow("line 7: club \"9W\": accepted are " + kClubs) +
             ErrorRow("line 8: club \"1,\\\"W\": accepted are " + kClubs) +
             ErrorRow("line 9: distance \"15x\": accepted are " + kNumber) + ErrorRow("line 10: longer than 4096 characters"),
         "9 of 9 rows rejected"},
    };
    for (const auto& [args, in, status, out, err] : cases) {
        const CliRun run = Vkcalc(args, in);
        const std::string label = args[0] + (args.size() > 1 ? " " + args[1] : "");
        EXPECT_EQ(run.status, status) << label;
        EXPECT_EQ(run.out, out) << label;
        EXPECT_EQ(run.err, err.empty() ? "" : "vkcalc: " + err + "\n") << label;
    }
    const CliRun help = Vkcalc({"--club", "2W", "--help", "--bogus"});
    EXPECT_EQ(std::to_string(help.status) + " " + help.out.substr(0, 26), "0 Usage: vkcalc [OPTION]...\n");
    // The start-up values as the panel reads them at start-up, and the lists as they are accepted.
    for (const char* line : {"  --club VALUE        club [1W]\n                      1W, 2W, 3W or 2I",
                             "  --ring              Crimson Ring [not ticked]\n                      a flag",
                             "  --fairway VALUE     fairway percent [100]\n", "  --distance VALUE    distance, yards [230]\n",
                             "   club,power,spin,ring,fairway,rain,wind,distance,height,\n                      direction,"})
        EXPECT_NE(help.out.find(line), std::string::npos) << line;
}

// An input that gives text, then throws as a failed allocation would, or as a file stream whose
// read fails does.
struct FailingInput : std::streambuf {
    FailingInput(std::string& text, bool readFails) : readFails(readFails) { setg(text.data(), text.data(), text.data() + text.size()); }
    int_type underflow() override
    {
        if (readFails)
            throw std::ios_base::failure("read");
        throw std::bad_alloc();
    }
    bool readFails;
};

// What the system fails ends with vkcalc's message and status 1: an output that fails, and an
// input that throws after more than one read of 64 KiB (not an abort). After a failed read the
// rows read whole are answered; the cut line is not a row.
TEST(Vkcalc, SystemFailuresEndWithTheMessage)
{
    for (const auto& args : {std::vector<std::string>{"--distance", "100:200:1"}, std::vector<std::string>{"--csv"}}) {
        const CliRun failed = Vkcalc(args, "club\n1W\n", true);
        EXPECT_EQ(std::to_string(failed.status) + " " + failed.err, "1 vkcalc: cannot write the output\n") << args[0];
    }
    std::string rows = "club\n";
    for (int i = 0; i < 30000; ++i)
        rows += "2W\n";
    std::istringstream many(rows);
    std::ostringstream refusing;
    refusing.setstate(std::ios::badbit);
    EXPECT_TRUE(RunBatch(many, refusing).writeFailed) << "the output refused in the middle of the batch";
    const std::string answer = Vkcalc({"--csv"}, "club\n2W\n").out.substr(kHeader.size());
    std::string answers = kHeader;
    for (int i = 0; i < (65536 - 5) / 3; ++i) // the whole lines of the first read
        answers += answer;
    for (const bool readFails : {false, true}) {
        FailingInput source(rows, readFails);
        std::istream in(&source);
        std::ostringstream out, err;
        const char* const argv[] = {"vkcalc", "--csv"};
        const int status = RunVkcalc(2, argv, in, out, err);
        EXPECT_EQ(std::to_string(status) + " " + err.str(), readFails ? "1 vkcalc: cannot read the input\n" : "1 vkcalc: std::bad_alloc\n");
        EXPECT_TRUE(!readFails || out.str() == answers) << "the rows before the failed read";
    }
}

// What a list accepts: three or more numbers one apart as a range, two numbers or numbers with a
// gap one by one.
TEST(Vkcalc, AcceptedItemsOfAList)
{
    const char* const run[] = {"1", "2", "3"};
    const char* const gap[] = {"1", "3", "4"};
    std::vector<std::string> texts;
    for (const auto& [items, count] : {std::make_pair(run, 3), std::make_pair(run, 2), std::make_pair(gap, 3)}) {
        PanelInput list;
        list.kind = InputKind::List;
        list.items = items;
        list.itemCount = count;
        texts.push_back(DescribeAccepted(list));
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"1 to 3", "1 or 2", "1, 3 or 4"}));
}

// Lines of 1 to 99 characters, some ending in CRLF, cross the 64 KiB read chunks at every
// offset; a line of exactly the limit whose CR falls into the next chunk is whole, a longer one
// is cut and marked; only one CR belongs to a line end; the last line has none.
TEST(Batch, LinesAcrossReadChunks)
{
    std::string input;
    std::vector<std::string> expected;
    for (int i = 0; input.size() < 300000; ++i) {
        expected.push_back(std::string(static_cast<std::size_t>(1 + i % 99), char('a' + i % 26)) + std::to_string(i));
        input += expected.back() + ((i % 3 == 0) ? "\r\n" : "\n");
    }
    input += std::string(65536 * 5 - input.size() - 100, 'x') + "\n" + std::string(200, 'y') + "\r\n";
    input += std::string(70000, 'x') + "\r\n" + "a\rb\r\r\nlast";
    expected.insert(expected.end(), {std::string(200, 'x') + "!", std::string(200, 'y'), std::string(200, 'x') + "!",
                                     "a\rb\r", "last"});
    std::istringstream in(input);
    LineReader reader(in, 200);
    std::vector<std::string> lines;
    std::string_view line;
    bool tooLong = false;
    while (reader.Next(line, tooLong))
        lines.push_back(std::string(line) + (tooLong ? "!" : ""));
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(reader.LineNumber(), expected.size());
}

} // namespace
