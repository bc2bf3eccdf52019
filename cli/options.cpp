// vkcalc's command line: every input option sets one panel control; the mode options choose what is printed.
#include "options.h"

#include <string_view>
#include <vector>

#include "controls.h"
#include "input_fields.h"

namespace {

// The options that are not inputs of the panel.
enum class ModeOption { None, Help, Version, Json, Csv };

ModeOption FindModeOption(std::string_view name)
{
    if (name == "help") return ModeOption::Help;
    if (name == "version") return ModeOption::Version;
    if (name == "json") return ModeOption::Json;
    if (name == "csv") return ModeOption::Csv;
    return ModeOption::None;
}

std::string OptionName(std::string_view name)
{
    return "--" + std::string(name);
}

// One "--name" or "--name=VALUE" argument.
struct Argument {
    std::string_view name;
    bool inlineValue;            // the "--name=VALUE" form
    std::string_view inlineText; // its VALUE
};

std::string NoValueError(const Argument& a)
{
    return OptionName(a.name) + " takes no value (given " + QuoteForMessage(a.inlineText) + ")";
}

// Takes an option that chooses the mode; help and version end the reading (finished), whatever
// follows them. False with error on rejection.
bool TakeModeOption(ModeOption mode, const Argument& a, CliOptions& result, bool& csv, bool& finished,
                    std::string& error)
{
    if (a.inlineValue) {
        error = NoValueError(a);
        return false;
    }
    finished = mode == ModeOption::Help || mode == ModeOption::Version;
    if (finished) {
        result = CliOptions();
        result.mode = (mode == ModeOption::Help) ? CliMode::Help : CliMode::Version;
        return true;
    }
    bool& flag = (mode == ModeOption::Json) ? result.json : csv;
    if (flag) {
        error = OptionName(a.name) + " is given twice";
        return false;
    }
    flag = true;
    return true;
}

// Takes an input of the panel: a flag, or a value inline or in the next argument (i then moves on
// to it); a distance may be a sweep. False with error on rejection.
bool TakeInputOption(const PanelInput& field, const Argument& a, int argc, const char* const* argv, int& i,
                     CliOptions& result, std::string& error)
{
    if (field.kind == InputKind::Check) {
        if (a.inlineValue) {
            error = NoValueError(a);
            return false;
        }
        result.panel.*field.ticked = true;
        return true;
    }
    if (!a.inlineValue && (i + 1 >= argc || argv[i + 1] == nullptr)) {
        error = OptionName(a.name) + " needs a value; accepted are " + DescribeAccepted(field);
        return false;
    }
    const std::string_view value = a.inlineValue ? a.inlineText : std::string_view(argv[++i]);
    std::string problem;
    const bool sweep = field.id == IDC_DISTANCE && IsSweepText(value);
    if (sweep ? !ParseSweep(value, result.sweep, problem) : !ApplyInputField(field, value, result.panel, problem)) {
        error = OptionName(a.name) + " " + QuoteForMessage(value) + ": " + problem;
        return false;
    }
    result.mode = sweep ? CliMode::Sweep : result.mode;
    return true;
}

} // namespace

bool ParseOptions(int argc, const char* const* argv, CliOptions& options, std::string& error)
{
    CliOptions result;
    std::vector<bool> seen(PanelInputs().count); // per input, by its place in the description
    bool anyInput = false;
    bool csv = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i] ? argv[i] : "";
        if (arg.size() < 3 || arg.substr(0, 2) != "--") {
            error = (!arg.empty() && arg[0] == '-' ? "unknown option " : "unexpected argument ") +
                    QuoteForMessage(arg) + "; see --help";
            return false;
        }
        const std::size_t equals = arg.find('=');
        const Argument a = equals == std::string_view::npos ? Argument{arg.substr(2), false, {}}
                                                            : Argument{arg.substr(2, equals - 2), true, arg.substr(equals + 1)};
        const ModeOption mode = FindModeOption(a.name);
        if (mode != ModeOption::None) {
            bool finished = false;
            if (!TakeModeOption(mode, a, result, csv, finished, error)) {
                return false;
            }
            if (finished) {
                options = result;
                return true;
            }
            continue;
        }
        // An input of the panel, each at most once.
        const PanelInput* field = FindPanelInput(a.name);
        if (field == nullptr) {
            error = "unknown option " + QuoteForMessage(OptionName(a.name)) + "; see --help";
            return false;
        }
        const std::size_t index = InputIndex(*field);
        if (seen[index]) {
            error = OptionName(a.name) + " is given twice";
            return false;
        }
        seen[index] = true;
        anyInput = true;
        if (!TakeInputOption(*field, a, argc, argv, i, result, error)) {
            return false;
        }
    }

    // Batch mode takes its inputs from standard input only.
    if (csv) {
        if (anyInput || result.json) {
            error = "--csv reads every input from standard input; it takes no other option";
            return false;
        }
        result.mode = CliMode::Batch;
    }
    options = result;
    return true;
}
