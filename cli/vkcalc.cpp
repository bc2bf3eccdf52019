// vkcalc as a function: reads the command line, then prints one calculation, a distance sheet or a CSV batch.
#include "vkcalc.h"

#include <exception>
#include <string>

#include "batch.h"
#include "csv.h"
#include "dispatch.h"
#include "format.h"
#include "input_fields.h"
#include "options.h"
#include "sweep.h"

namespace {

// Column of the explanations in the help.
constexpr std::size_t kHelpIndent = 22;

std::string HelpText()
{
    const PanelReading start = StartupReading();
    std::string text =
        "Usage: vkcalc [OPTION]...\n"
        "       vkcalc --csv < situations.csv > results.csv\n"
        "\n"
        "Prints what the vk panel shows for one situation: for the Tomahawk, Back Spin\n"
        "and Beam Impact shots the drift (yards) and the shot percentage, or \"---\"\n"
        "where the shot is not offered at that distance.\n"
        "\n"
        "Inputs; a missing one takes the panel's start-up value [in brackets]:\n";
    for (const PanelInput* input : OptionInputs()) {
        const bool flag = input->kind == InputKind::Check;
        std::string option = std::string("  --") + input->name + (flag ? "" : " VALUE");
        option.resize(kHelpIndent, ' ');
        text += option + input->meaning + " [" + PanelValueText(*input, start) + "]\n";
        text += std::string(kHelpIndent, ' ') + (flag ? "a flag: ticks the box" : DescribeAccepted(*input)) + "\n";
    }
    text +=
        "Values may also be given as --option=VALUE. Field texts are read as the panel\n"
        "reads them: the number at their start counts, a text without one counts as 0.\n"
        "\n"
        "Modes:\n"
        "  --json              print one JSON object: texts and full-precision values\n"
        "  --distance FROM:TO:STEP\n"
        "                      print a sheet, one line per distance (at most 100000\n"
        "                      lines); with --json, one JSON object per line\n"
        "  --csv               batch: CSV from standard input to standard output. The\n"
        "                      header names any of these columns in any order (ring\n"
        "                      and rain are 0 or 1; a missing column takes the start-up\n"
        "                      value):\n"
        "                      club,power,spin,ring,fairway,rain,wind,distance,height,\n"
        "                      direction,slope,beam\n"
        "                      A row is one line: a quoted cell holds no line break.\n"
        "                      The output has the columns:\n"
        "                      tomahawk_drift,tomahawk_shot,backspin_drift,\n"
        "                      backspin_shot,beam_drift,beam_shot,tomahawk_drift_value,\n"
        "                      tomahawk_shot_value,backspin_drift_value,\n"
        "                      backspin_shot_value,beam_drift_value,beam_shot_value,\n"
        "                      error\n"
        "\n"
        "  --help              print this help\n"
        "  --version           print the version\n"
        "\n"
        "Exit status: 0 done; 1 a batch row or header was rejected, or input or output\n"
        "failed; 2 a bad option or value (nothing is printed to standard output).\n";
    return text;
}

// Writes text to out; false when the stream failed.
bool Write(std::ostream& out, const std::string& text)
{
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.flush();
    return static_cast<bool>(out);
}

int Finish(bool written, std::ostream& err)
{
    if (!written) {
        err << "vkcalc: cannot write the output\n";
        return kExitRejected;
    }
    return kExitOk;
}

int RunSingle(const CliOptions& options, std::ostream& out, std::ostream& err)
{
    const DispatchOutcome outcome = Calculate(options.panel);
    std::string text;
    if (options.json) {
        AppendOutcomeJson(text, outcome);
    } else {
        AppendOutcomeText(text, outcome);
    }
    return Finish(Write(out, text), err);
}

int RunSweep(const CliOptions& options, std::ostream& out, std::ostream& err)
{
    PanelReading panel = options.panel;
    std::string text;
    if (!options.json) {
        AppendSweepHeader(text);
    }
    const std::int64_t count = SweepCount(options.sweep);
    for (std::int64_t i = 0; i < count; ++i) {
        panel.distance = SweepDistanceText(options.sweep, i);
        const DispatchOutcome outcome = Calculate(panel);
        if (options.json) {
            AppendOutcomeJson(text, outcome, panel.distance);
        } else {
            AppendSweepLine(text, panel.distance, outcome);
        }
        if (text.size() >= kStreamPieceSize) {
            if (!Write(out, text)) {
                return Finish(false, err);
            }
            text.clear();
        }
    }
    return Finish(Write(out, text), err);
}

int RunCsv(std::istream& in, std::ostream& out, std::ostream& err)
{
    const BatchSummary summary = RunBatch(in, out);
    out.flush();
    if (summary.writeFailed || !out) {
        return Finish(false, err);
    }
    if (summary.readFailed) {
        err << "vkcalc: cannot read the input\n";
        return kExitRejected;
    }
    if (!summary.headerError.empty()) {
        err << "vkcalc: " << summary.headerError << "; every row is rejected\n";
        return kExitRejected;
    }
    if (summary.rejected > 0) {
        err << "vkcalc: " << summary.rejected << " of " << summary.rows << " rows rejected\n";
        return kExitRejected;
    }
    return kExitOk;
}

// vkcalc itself, from the command line to the exit status.
int RunChecked(int argc, const char* const* argv, std::istream& in, std::ostream& out, std::ostream& err)
{
    CliOptions options;
    std::string error;
    if (!ParseOptions(argc, argv, options, error)) {
        err << "vkcalc: " << error << "\n";
        return kExitUsage;
    }
    switch (options.mode) {
    case CliMode::Help: return Finish(Write(out, HelpText()), err);
    case CliMode::Version: return Finish(Write(out, std::string("vkcalc ") + VK_VERSION_TEXT + "\n"), err);
    case CliMode::Single: return RunSingle(options, out, err);
    case CliMode::Sweep: return RunSweep(options, out, err);
    case CliMode::Batch: return RunCsv(in, out, err);
    }
    return kExitUsage;
}

} // namespace

int RunVkcalc(int argc, const char* const* argv, std::istream& in, std::ostream& out, std::ostream& err)
{
    // Only the system can make vkcalc fail (no memory); say so instead of aborting.
    try {
        return RunChecked(argc, argv, in, out, err);
    } catch (const std::exception& e) {
        err << "vkcalc: " << e.what() << "\n";
        return kExitRejected;
    }
}
