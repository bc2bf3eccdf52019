// How vkcalc writes one calculation: aligned text lines, a JSON object, a CSV row.
#include "format.h"

#include "csv.h"

#include <charconv>
#include <cmath>

const char* const kCsvOutputHeader =
    "tomahawk_drift,tomahawk_shot,backspin_drift,backspin_shot,beam_drift,beam_shot,"
    "tomahawk_drift_value,tomahawk_shot_value,backspin_drift_value,backspin_shot_value,"
    "beam_drift_value,beam_shot_value,error";

namespace {

// Titles of the three groups in panel order.
const char* const kGroupTitles[3] = {"Tomahawk", "Back Spin", "Beam Impact"};

// One group as every output form shows it. vkcalc checks every club and iron, so the dispatcher
// either ran the group's model or cleared the group (its shot not offered at that distance).
struct GroupView {
    const char* title;     // text and sheet output
    const char* jsonKey;   // JSON output
    bool ran;              // its model ran; otherwise the group was cleared
    const char* driftText; // the texts of its two fields
    const char* shotText;
    bool numbers;          // the texts are numbers: not "---", nor the text of a model that could not run
    double drift;          // the model's values; NAN where none ran
    double shot;
};

GroupView ViewOf(const GroupOutcome& group, const char* title, const char* jsonKey)
{
    const ShotResult& r = group.result;
    if (group.action != GroupAction::Written) {
        return {title, jsonKey, false, kClearedText, kClearedText, false, NAN, NAN};
    }
    return {title, jsonKey, true, r.driftText, r.shotText, r.valid, r.drift, r.shot};
}

// The three groups in panel order.
void ListGroups(const DispatchOutcome& outcome, GroupView (&groups)[3])
{
    groups[0] = ViewOf(outcome.tomahawk, kGroupTitles[0], "tomahawk");
    groups[1] = ViewOf(outcome.backSpin, kGroupTitles[1], "backSpin");
    groups[2] = ViewOf(outcome.beam, kGroupTitles[2], "beamImpact");
}

// Appends text, then spaces up to width characters.
void AppendPadded(std::string& out, std::string_view text, std::size_t width)
{
    out.append(text.data(), text.size());
    if (text.size() < width) {
        out.append(width - text.size(), ' ');
    }
}

// Ends a line of padded columns: drops the trailing spaces, then adds the line end.
void EndLine(std::string& out)
{
    while (!out.empty() && out.back() == ' ') {
        out.pop_back();
    }
    out += '\n';
}

// A JSON string of one of vkcalc's own texts: a decimal text, "---" or "error", or a sweep's
// distance (digits and '.'); none holds a character that JSON must escape.
void AppendJsonString(std::string& out, std::string_view text)
{
    out += '"';
    out += text;
    out += '"';
}

void AppendJsonNumber(std::string& out, double value)
{
    if (std::isfinite(value)) {
        AppendDouble17(out, value);
    } else {
        out += "null";
    }
}

} // namespace

void AppendDouble17(std::string& out, double value)
{
    // The standard library's conversion to a fixed 17 significant digits, as printf's "%.17g"
    // writes them: enough for every double to read back exactly, though not always the shortest text.
    char buffer[40];
    const std::to_chars_result r = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 17);
    out.append(buffer, r.ptr);
}

void AppendOutcomeText(std::string& out, const DispatchOutcome& outcome)
{
    GroupView groups[3];
    ListGroups(outcome, groups);
    for (const GroupView& view : groups) {
        AppendPadded(out, view.title, 13);
        out += "drift ";
        AppendPadded(out, std::string(view.driftText) + (view.numbers ? " y" : ""), 10);
        out += "shot ";
        out += view.shotText;
        out += view.numbers ? " %" : "";
        EndLine(out);
    }
}

void AppendSweepHeader(std::string& out)
{
    AppendPadded(out, "", 10);
    for (const char* title : kGroupTitles) {
        AppendPadded(out, title, 18);
    }
    EndLine(out);
    AppendPadded(out, "distance", 10);
    for (int i = 0; i < 3; ++i) {
        AppendPadded(out, "drift y", 9);
        AppendPadded(out, "shot %", 9);
    }
    EndLine(out);
}

void AppendSweepLine(std::string& out, std::string_view distance, const DispatchOutcome& outcome)
{
    AppendPadded(out, distance, 10);
    GroupView groups[3];
    ListGroups(outcome, groups);
    for (const GroupView& view : groups) {
        AppendPadded(out, view.driftText, 9);
        AppendPadded(out, view.shotText, 9);
    }
    EndLine(out);
}

void AppendOutcomeJson(std::string& out, const DispatchOutcome& outcome, std::string_view distance)
{
    out += '{';
    if (!distance.empty()) {
        out += "\"distance\":";
        AppendJsonString(out, distance);
        out += ',';
    }
    GroupView groups[3];
    ListGroups(outcome, groups);
    for (int i = 0; i < 3; ++i) {
        out += i ? ",\"" : "\"";
        out += groups[i].jsonKey;
        out += "\":{\"state\":\"";
        out += groups[i].ran ? "written" : "cleared";
        out += "\",\"driftText\":";
        AppendJsonString(out, groups[i].driftText);
        out += ",\"shotText\":";
        AppendJsonString(out, groups[i].shotText);
        out += ",\"drift\":";
        AppendJsonNumber(out, groups[i].drift);
        out += ",\"shot\":";
        AppendJsonNumber(out, groups[i].shot);
        out += '}';
    }
    out += "}\n";
}

void AppendOutcomeCsv(std::string& out, const DispatchOutcome& outcome)
{
    GroupView groups[3];
    ListGroups(outcome, groups);
    for (const GroupView& view : groups) {
        AppendCsvCell(out, view.driftText);
        out += ',';
        AppendCsvCell(out, view.shotText);
        out += ',';
    }
    for (const GroupView& view : groups) {
        if (view.ran) {
            AppendDouble17(out, view.drift);
        }
        out += ',';
        if (view.ran) {
            AppendDouble17(out, view.shot);
        }
        out += ',';
    }
}
