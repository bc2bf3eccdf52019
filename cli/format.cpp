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

// The three groups in panel order, with their names in each output form.
struct GroupView {
    const GroupOutcome* group;
    const char* title;   // text and sheet output
    const char* jsonKey; // JSON output
};

void ListGroups(const DispatchOutcome& outcome, GroupView (&groups)[3])
{
    groups[0] = {&outcome.tomahawk, kGroupTitles[0], "tomahawk"};
    groups[1] = {&outcome.backSpin, kGroupTitles[1], "backSpin"};
    groups[2] = {&outcome.beam, kGroupTitles[2], "beamImpact"};
}

// The two texts a group's fields show; empty where the group was never written.
const char* DriftTextOf(const GroupOutcome& group)
{
    switch (group.action) {
    case GroupAction::Written: return group.result.driftText;
    case GroupAction::Cleared: return kClearedText;
    default: return "";
    }
}

const char* ShotTextOf(const GroupOutcome& group)
{
    switch (group.action) {
    case GroupAction::Written: return group.result.shotText;
    case GroupAction::Cleared: return kClearedText;
    default: return "";
    }
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

void AppendJsonString(std::string& out, std::string_view text)
{
    static const char kHex[] = "0123456789abcdef";
    out += '"';
    for (const char ch : text) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += ch;
        } else if (c < 0x20) {
            out += "\\u00";
            out += kHex[c >> 4];
            out += kHex[c & 0xF];
        } else {
            out += ch;
        }
    }
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

const char* StateName(GroupAction action)
{
    switch (action) {
    case GroupAction::Written: return "written";
    case GroupAction::Cleared: return "cleared";
    default: return "unchanged";
    }
}


} // namespace

void AppendDouble17(std::string& out, double value)
{
    // The shortest-exact conversion of the standard library, in the form of printf's "%.17g".
    char buffer[40];
    const std::to_chars_result r = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 17);
    out.append(buffer, r.ptr);
}

void AppendOutcomeText(std::string& out, const DispatchOutcome& outcome)
{
    GroupView groups[3];
    ListGroups(outcome, groups);
    for (const GroupView& view : groups) {
        const GroupOutcome& group = *view.group;
        AppendPadded(out, view.title, 13);
        if (group.action == GroupAction::Unchanged) {
            out += "(not calculated)";
            EndLine(out);
            continue;
        }
        // Units only after numbers: not after "---", nor after the text of a model that could not run.
        const bool numbers = group.action == GroupAction::Written && group.result.valid;
        out += "drift ";
        AppendPadded(out, std::string(DriftTextOf(group)) + (numbers ? " y" : ""), 10);
        out += "shot ";
        out += ShotTextOf(group);
        out += numbers ? " %" : "";
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
        AppendPadded(out, DriftTextOf(*view.group), 9);
        AppendPadded(out, ShotTextOf(*view.group), 9);
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
        const GroupOutcome& group = *groups[i].group;
        const bool ran = group.action == GroupAction::Written;
        out += i ? ",\"" : "\"";
        out += groups[i].jsonKey;
        out += "\":{\"state\":\"";
        out += StateName(group.action);
        out += "\",\"driftText\":";
        AppendJsonString(out, DriftTextOf(group));
        out += ",\"shotText\":";
        AppendJsonString(out, ShotTextOf(group));
        out += ",\"drift\":";
        AppendJsonNumber(out, ran ? group.result.drift : NAN);
        out += ",\"shot\":";
        AppendJsonNumber(out, ran ? group.result.shot : NAN);
        out += '}';
    }
    out += "}\n";
}

void AppendOutcomeCsv(std::string& out, const DispatchOutcome& outcome)
{
    GroupView groups[3];
    ListGroups(outcome, groups);
    for (const GroupView& view : groups) {
        AppendCsvCell(out, DriftTextOf(*view.group));
        out += ',';
        AppendCsvCell(out, ShotTextOf(*view.group));
        out += ',';
    }
    for (const GroupView& view : groups) {
        const bool ran = view.group->action == GroupAction::Written;
        if (ran) {
            AppendDouble17(out, view.group->result.drift);
        }
        out += ',';
        if (ran) {
            AppendDouble17(out, view.group->result.shot);
        }
        out += ',';
    }
}
