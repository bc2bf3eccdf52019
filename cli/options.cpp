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
        // Step 1: the name and, in the "--name=VALUE" form, the value.
        const std::size_t equals = arg.find('=');
        const std::string_view name = arg.substr(2, equals == std::string_view::npos ? std::string_view::npos : equals - 2);
        const bool inlineValue = equals != std::string_view::npos;
        const std::string_view inlineText = inlineValue ? arg.substr(equals + 1) : std::string_view();

        // Step 2: the options that choose the mode.
        const ModeOption mode = FindModeOption(name);
        if (mode != ModeOption::None) {
            if (inlineValue) {
                error = OptionName(name) + " takes no value (given " + QuoteForMessage(inlineText) + ")";
                return false;
            }
            if (mode == ModeOption::Help || mode == ModeOption::Version) {
                options = CliOptions();
                options.mode = (mode == ModeOption::Help) ? CliMode::Help : CliMode::Version;
                return true;
            }
            bool& flag = (mode == ModeOption::Json) ? result.json : csv;
            if (flag) {
                error = OptionName(name) + " is given twice";
                return false;
            }
            flag = true;
            continue;
        }

        // Step 3: an input of the panel, each at most once.
        const PanelInput* field = FindPanelInput(name);
        if (field == nullptr) {
            error = "unknown option " + QuoteForMessage(arg.substr(0, inlineValue ? equals : arg.size())) + "; see --help";
            return false;
        }
        const std::size_t index = InputIndex(*field);
        if (seen[index]) {
            error = OptionName(name) + " is given twice";
            return false;
        }
        seen[index] = true;
        anyInput = true;
        if (field->kind == InputKind::Check) {
            if (inlineValue) {
                error = OptionName(name) + " takes no value (given " + QuoteForMessage(inlineText) + ")";
                return false;
            }
            result.panel.*field->ticked = true;
            continue;
        }
        std::string_view value = inlineText;
        if (!inlineValue) {
            if (i + 1 >= argc || argv[i + 1] == nullptr) {
                error = OptionName(name) + " needs a value; accepted are " + DescribeAccepted(*field);
                return false;
            }
            value = argv[++i];
        }
        std::string problem;
        if (field->id == IDC_DISTANCE && IsSweepText(value)) {
            if (!ParseSweep(value, result.sweep, problem)) {
                error = OptionName(name) + " " + QuoteForMessage(value) + ": " + problem;
                return false;
            }
            result.mode = CliMode::Sweep;
            continue;
        }
        if (!ApplyInputField(*field, value, result.panel, problem)) {
            error = OptionName(name) + " " + QuoteForMessage(value) + ": " + problem;
            return false;
        }
    }

    // Step 4: batch mode takes its inputs from standard input only.
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
