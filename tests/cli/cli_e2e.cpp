// End-to-end tests of the vkcalc program: runs it as a child process with arguments and standard input, checks status and output.
//
//   cli_e2e PATH-OF-VKCALC GROUP      GROUP: info, arguments, examples, batch, sweep
//
// One group per CTest test; under Wine the driver runs once per group and starts vkcalc.exe
// inside the same Wine session, which keeps the Windows run short.
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "child_process.h"
#include "cli_test_support.h"
#include "csv.h"

namespace {

std::string g_program; // vkcalc
std::string g_files;   // prefix of this group's scratch files
int g_failures = 0;
int g_checks = 0;

ProgramRun RunProgram(const std::vector<std::string>& args, const std::string& input)
{
    return ::RunProgram(g_program, args, input, g_files);
}

void Check(bool ok, const std::string& label, const std::string& what)
{
    ++g_checks;
    if (!ok) {
        ++g_failures;
        std::cout << "FAIL " << label << ": " << what << "\n";
    }
}

bool Has(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

std::vector<std::string> Cells(const std::string& line)
{
    std::vector<std::string> cells;
    std::string error;
    SplitCsvLine(line, cells, error);
    return cells;
}

std::string Joined(const std::vector<std::string>& args)
{
    std::string text;
    for (const std::string& a : args) {
        text += (text.empty() ? "" : " ") + a;
    }
    return text;
}

// A run that must have succeeded with status, and written nothing to standard error when 0.
void CheckStatus(const ProgramRun& run, int status, const std::string& label)
{
    Check(run.started, label, "vkcalc did not start: " + g_program);
    Check(run.status == status, label, "status " + std::to_string(run.status) + ", expected " +
                                           std::to_string(status) + "; stderr: " + run.err);
}

void GroupInfo()
{
    const ProgramRun help = RunProgram({"--help"}, "");
    CheckStatus(help, 0, "--help");
    Check(Has(help.out, "Usage: vkcalc") && Has(help.out, "--csv") && Has(help.out, "--distance FROM:TO:STEP"),
          "--help", "usage text: " + help.out);
    Check(help.err.empty(), "--help", "stderr: " + help.err);
    const ProgramRun version = RunProgram({"--version"}, "");
    CheckStatus(version, 0, "--version");
    Check(version.out == std::string("vkcalc ") + VK_VERSION_TEXT + "\n", "--version", "output: " + version.out);
    const ProgramRun plain = RunProgram({}, "");
    CheckStatus(plain, 0, "no options");
    Check(Lines(plain.out).size() == 3 && Has(plain.out, "Tomahawk     drift ") && !Has(plain.out, "\r"),
          "no options", "three LF-ended lines: " + plain.out);
}

void GroupArguments()
{
    struct Case {
        std::vector<std::string> args;
        std::vector<std::string> mentions;
    };
    const Case cases[] = {
        {{"--club", "5W"}, {"--club", "\"5W\"", "1W, 2W, 3W or 2I"}},
        {{"--power", "36"}, {"--power", "\"36\"", "20 to 35"}},
        {{"--spin=8"}, {"--spin", "\"8\"", "7"}},
        {{"--fairway", "70"}, {"--fairway", "\"70\"", "100, 95, 90, 85, 80 or 75"}},
        {{"--wind", "0"}, {"--wind", "\"0\"", "1 to 9"}},
        {{"--beam", "7I"}, {"--beam", "\"7I\"", "6I or 9I"}},
        {{"--distance", "-5"}, {"--distance", "\"-5\"", "digit or '.'"}},
        {{"--distance", "123456789"}, {"--distance", "\"123456789\"", "longer than 8"}},
        {{"--height", "1e3"}, {"--height", "\"1e3\"", "'-'"}},
        {{"--direction", "4 5"}, {"--direction", "\"4 5\""}},
        {{"--slope="}, {"--slope", "\"\"", "empty"}},
        {{"--slope"}, {"--slope", "needs a value"}},
        {{"--ring=1"}, {"--ring", "\"1\"", "no value"}},
        {{"--club", "1W", "--club=2W"}, {"--club", "twice"}},
        {{"--bogus"}, {"unknown option", "\"--bogus\""}},
        {{"200"}, {"unexpected argument", "\"200\""}},
        {{"--distance", "300:200:5"}, {"--distance", "\"300:200:5\"", "FROM"}},
        {{"--distance", "1:2:0"}, {"--distance", "STEP"}},
        {{"--distance", "0:100000:0.5"}, {"--distance", "100000"}},
        {{"--csv", "--club", "1W"}, {"--csv"}},
    };
    for (const Case& c : cases) {
        const std::string label = Joined(c.args);
        const ProgramRun run = RunProgram(c.args, "");
        CheckStatus(run, 2, label);
        Check(run.out.empty(), label, "stdout not empty: " + run.out);
        Check(Lines(run.err).size() == 1 && run.err.rfind("vkcalc: ", 0) == 0, label, "one message line: " + run.err);
        for (const std::string& m : c.mentions) {
            Check(Has(run.err, m), label, "message lacks " + m + ": " + run.err);
        }
    }
}

void CheckExampleGroup(const JsonGroup& g, const WorkedExample& ex, const std::string& label)
{
    Check(g.found && g.state == "written", label, "group not written");
    Check(g.driftText == ex.driftText, label, "drift text " + g.driftText + ", expected " + ex.driftText);
    Check(g.shotText == ex.shotText, label, "shot text " + g.shotText + ", expected " + ex.shotText);
    Check(MatchesGivenDigits(ex.drift, g.drift), label, std::string("drift differs from ") + ex.drift);
    Check(MatchesGivenDigits(ex.shot, g.shot), label, std::string("shot differs from ") + ex.shot);
}

void GroupExamples()
{
    for (const WorkedExample& ex : WorkedExamples()) {
        std::vector<std::string> args = ex.args;
        args.push_back("--json");
        const ProgramRun run = RunProgram(args, "");
        CheckStatus(run, 0, ex.label);
        CheckExampleGroup(ReadJsonGroup(run.out, ex.group), ex, ex.label);
    }
    const ProgramRun text = RunProgram(WorkedExamples()[0].args, "");
    Check(text.out == "Tomahawk     drift 2.7385 y  shot 77.701 %\n"
                      "Back Spin    drift 4.2107 y  shot 87.721 %\n"
                      "Beam Impact  drift ---       shot ---\n",
          "text output", text.out);
}

// The CSV columns and cells of a worked example: options become cells, flags become 1.
std::map<std::string, std::string> ExampleCells(const WorkedExample& ex)
{
    std::map<std::string, std::string> cells;
    for (std::size_t i = 0; i < ex.args.size(); ++i) {
        const std::string name = ex.args[i].substr(2);
        if (name == "ring" || name == "rain") {
            cells[name] = "1";
        } else {
            cells[name] = ex.args[++i];
        }
    }
    return cells;
}

// Drift text, shot text, drift value, shot value cells of a group in an output row.
void CheckExampleRow(const std::vector<std::string>& cells, const WorkedExample& ex, const std::string& label)
{
    const std::string group = ex.group;
    const std::size_t at = group == "tomahawk" ? 0 : group == "backSpin" ? 1 : 2;
    if (cells.size() != 13) {
        Check(false, label, "row has " + std::to_string(cells.size()) + " cells");
        return;
    }
    JsonGroup g;
    g.found = true;
    g.state = cells[12].empty() ? "written" : cells[12];
    g.driftText = cells[2 * at];
    g.shotText = cells[2 * at + 1];
    g.drift = std::strtod(cells[6 + 2 * at].c_str(), nullptr);
    g.shot = std::strtod(cells[7 + 2 * at].c_str(), nullptr);
    CheckExampleGroup(g, ex, label);
}

void GroupBatch()
{
    const std::vector<WorkedExample>& examples = WorkedExamples();
    const std::string header =
        "tomahawk_drift,tomahawk_shot,backspin_drift,backspin_shot,beam_drift,beam_shot,tomahawk_drift_value,"
        "tomahawk_shot_value,backspin_drift_value,backspin_shot_value,beam_drift_value,beam_shot_value,error";

    // Step 1: every example in one batch, all columns in a scrambled order, defaults spelled out.
    const char* const order[] = {"slope", "beam", "wind", "club", "distance", "rain",
                                 "height", "power", "fairway", "spin", "direction", "ring"};
    const char* const startUp[] = {"0", "6I", "1", "1W", "230", "0", "0", "25", "100", "7", "0", "0"};
    std::string input;
    for (const char* name : order) {
        input += std::string(input.empty() ? "" : ",") + name;
    }
    input += "\r\n";
    for (const WorkedExample& ex : examples) {
        std::map<std::string, std::string> cells = ExampleCells(ex);
        for (std::size_t i = 0; i < 12; ++i) {
            const auto given = cells.find(order[i]);
            input += std::string(i ? "," : "") + "\"" + (given == cells.end() ? startUp[i] : given->second) + "\"";
        }
        input += "\r\n";
    }
    const ProgramRun all = RunProgram({"--csv"}, input);
    CheckStatus(all, 0, "batch of all examples");
    const std::vector<std::string> lines = Lines(all.out);
    Check(lines.size() == examples.size() + 1, "batch of all examples", "row count " + std::to_string(lines.size()));
    Check(!lines.empty() && lines[0] == header, "batch of all examples", "header: " + (lines.empty() ? "" : lines[0]));
    for (std::size_t i = 0; i < examples.size() && i + 1 < lines.size(); ++i) {
        CheckExampleRow(Cells(lines[i + 1]), examples[i], std::string("batch ") + examples[i].label);
    }

    // Step 2: only the columns an example gives, in reverse alphabetical order; the rest take start-up values.
    std::map<std::string, std::vector<const WorkedExample*>> byColumns;
    std::map<std::string, std::vector<std::string>> rowsByColumns;
    for (const WorkedExample& ex : examples) {
        const std::map<std::string, std::string> cells = ExampleCells(ex);
        std::string columns, row;
        for (auto it = cells.rbegin(); it != cells.rend(); ++it) {
            columns += (columns.empty() ? "" : ",") + it->first;
            row += (row.empty() ? "" : ",") + it->second;
        }
        byColumns[columns].push_back(&ex);
        rowsByColumns[columns].push_back(row);
    }
    for (const auto& entry : byColumns) {
        std::string text = entry.first + "\n";
        for (const std::string& row : rowsByColumns[entry.first]) {
            text += row + "\n";
        }
        const ProgramRun run = RunProgram({"--csv"}, text);
        const std::string label = "batch with columns " + entry.first;
        CheckStatus(run, 0, label);
        const std::vector<std::string> out = Lines(run.out);
        Check(out.size() == entry.second.size() + 1, label, "row count");
        for (std::size_t i = 0; i < entry.second.size() && i + 1 < out.size(); ++i) {
            CheckExampleRow(Cells(out[i + 1]), *entry.second[i], label + ": " + entry.second[i]->label);
        }
    }

    // Step 3: an error row in the middle leaves the rows around it as they are alone.
    const std::string rows = "club,distance,height,direction\n3W,150,2,30\n2I,95,-1,200\n";
    const ProgramRun clean = RunProgram({"--csv"}, rows);
    const ProgramRun mixed =
        RunProgram({"--csv"}, "club,distance,height,direction\n3W,150,2,30\n3W,15x,2,30\n2I,95,-1,200\n");
    CheckStatus(clean, 0, "batch without error row");
    CheckStatus(mixed, 1, "batch with error row");
    const std::vector<std::string> a = Lines(clean.out), b = Lines(mixed.out);
    Check(a.size() == 3 && b.size() == 4, "batch with error row", "row counts");
    if (a.size() == 3 && b.size() == 4) {
        Check(b[1] == a[1] && b[3] == a[2], "batch with error row", "neighbour rows changed");
        const std::vector<std::string> cells = Cells(b[2]);
        Check(cells.size() == 13 && cells[0].empty() && cells[11].empty() && Has(cells[12], "line 3") &&
                  Has(cells[12], "distance") && Has(cells[12], "\"15x\""),
              "batch with error row", "error row: " + b[2]);
    }
    Check(Has(mixed.err, "1 of 3 rows rejected"), "batch with error row", "stderr: " + mixed.err);

    // Step 4: CRLF input, with a last line without line end, gives the same bytes as LF input.
    const ProgramRun crlf = RunProgram({"--csv"}, "club,distance,height,direction\r\n3W,150,2,30\r\n2I,95,-1,200");
    CheckStatus(crlf, 0, "batch with CRLF");
    Check(crlf.out == clean.out, "batch with CRLF", "output differs from LF input:\n" + crlf.out);

    // Step 5: a bad header rejects every row, and says so.
    const ProgramRun bad = RunProgram({"--csv"}, "club,speed\n1W,3\n2W,4\n");
    CheckStatus(bad, 1, "batch with bad header");
    Check(Lines(bad.out).size() == 3 && Has(bad.out, "unknown column") && Has(bad.err, "header"),
          "batch with bad header", bad.out + bad.err);
}

void GroupSweep()
{
    const ProgramRun json = RunProgram({"--club", "2I", "--wind", "4", "--distance", "89:90.5:0.5", "--json"}, "");
    CheckStatus(json, 0, "sweep --json");
    const std::vector<std::string> lines = Lines(json.out);
    const char* const distances[] = {"89.0", "89.5", "90.0", "90.5"};
    const char* const tomahawk[] = {"cleared", "cleared", "written", "written"};
    const char* const beam[] = {"written", "written", "written", "cleared"};
    Check(lines.size() == 4, "sweep --json", "line count: " + json.out);
    for (std::size_t i = 0; i < lines.size() && i < 4; ++i) {
        const std::string label = std::string("sweep at ") + distances[i];
        Check(lines[i].rfind(std::string("{\"distance\":\"") + distances[i] + "\"", 0) == 0, label, lines[i]);
        Check(ReadJsonGroup(lines[i], "tomahawk").state == tomahawk[i], label, lines[i]);
        Check(ReadJsonGroup(lines[i], "backSpin").state == "cleared", label, lines[i]);
        Check(ReadJsonGroup(lines[i], "beamImpact").state == beam[i], label, lines[i]);
        // Each line says what a single run at that distance says.
        const ProgramRun single = RunProgram({"--club", "2I", "--wind", "4", "--distance", distances[i], "--json"}, "");
        Check("{" + lines[i].substr(lines[i].find(',') + 1) + "\n" == single.out, label, "differs from single run");
    }
    const ProgramRun sheet = RunProgram({"--power", "30", "--distance", "60:300:10"}, "");
    CheckStatus(sheet, 0, "sweep sheet");
    const std::vector<std::string> rows = Lines(sheet.out);
    Check(rows.size() == 2 + 25 && rows[1].rfind("distance  drift y  shot %", 0) == 0 &&
              rows[2].rfind("60 ", 0) == 0 && rows.back().rfind("300 ", 0) == 0,
          "sweep sheet", sheet.out);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: cli_e2e PATH-OF-VKCALC info|arguments|examples|batch|sweep\n";
        return 2;
    }
    g_program = argv[1];
    const std::string group = argv[2];
    g_files = "cli_e2e_" + group + "_";
    if (group == "info") {
        GroupInfo();
    } else if (group == "arguments") {
        GroupArguments();
    } else if (group == "examples") {
        GroupExamples();
    } else if (group == "batch") {
        GroupBatch();
    } else if (group == "sweep") {
        GroupSweep();
    } else {
        std::cerr << "cli_e2e: unknown group " << group << "\n";
        return 2;
    }
    for (const char* file : {"in.txt", "out.txt", "err.txt"}) {
        std::remove((g_files + file).c_str());
    }
    std::cout << group << ": " << (g_checks - g_failures) << " of " << g_checks << " checks passed\n";
    return g_failures == 0 ? 0 : 1;
}
