// How vkcalc writes one calculation: aligned text lines, a JSON object, a CSV row.
#include "format.h"

#include "csv.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

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

#if defined(__SIZEOF_INT128__)
// 10^0 to 10^20; 10^20 times a 53-bit mantissa stays below 2^120.
constexpr unsigned __int128 PowerOfTen(int n)
{
    return n == 0 ? 1 : 10 * PowerOfTen(n - 1);
}
constexpr unsigned __int128 kPowersOfTen[21] = {
    PowerOfTen(0),  PowerOfTen(1),  PowerOfTen(2),  PowerOfTen(3),  PowerOfTen(4),  PowerOfTen(5),  PowerOfTen(6),
    PowerOfTen(7),  PowerOfTen(8),  PowerOfTen(9),  PowerOfTen(10), PowerOfTen(11), PowerOfTen(12), PowerOfTen(13),
    PowerOfTen(14), PowerOfTen(15), PowerOfTen(16), PowerOfTen(17), PowerOfTen(18), PowerOfTen(19), PowerOfTen(20)};

// The common case of AppendDouble17 without the general conversion: finite values from 1e-4 up to
// below 2^53 (every drift and shot of the models), whose 17 significant digits are an exact
// rounding of m * 10^k / 2^s in 128-bit integers. Writes the text as "%.17g" would and returns
// its end, or nullptr for any other value.
char* FormatDouble17Fast(double value, char* out)
{
    // Step 1: value = mantissa / 2^shift with an integer mantissa below 2^53.
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    const bool negative = (bits >> 63) != 0;
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    const double magnitude = negative ? -value : value;
    if (biased == 0 || biased == 0x7FF || magnitude < 1e-4 || magnitude >= 9007199254740992.0) {
        return nullptr; // zero, subnormal, infinite, NaN or outside the fast range
    }
    const std::uint64_t mantissa = (bits & ((std::uint64_t(1) << 52) - 1)) | (std::uint64_t(1) << 52);
    const int shift = 1075 - biased; // value = mantissa * 2^-shift
    if (shift <= 0 || shift > 100) {
        return nullptr;
    }
    // Step 2: the decimal exponent E of the value rounded to 17 digits, and those digits
    // N = round(value * 10^(16 - E)), rounding half to even on the exact binary value.
    // A first guess from the binary exponent (floor of e2 * log10 2), corrected below.
    int exponent = ((biased - 1023) * 78913) >> 18;
    unsigned __int128 digits = 0;
    const unsigned __int128 low = kPowersOfTen[16];
    const unsigned __int128 high = kPowersOfTen[17];
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int k = 16 - exponent;
        if (k < 0 || k > 20) {
            return nullptr;
        }
        const unsigned __int128 scaled = mantissa * kPowersOfTen[k];
        digits = scaled >> shift;
        const unsigned __int128 rest = scaled - (digits << shift);
        const unsigned __int128 half = static_cast<unsigned __int128>(1) << (shift - 1);
        if (rest > half || (rest == half && (digits & 1) != 0)) {
            ++digits;
        }
        if (digits < low) {
            --exponent;
        } else if (digits >= high) {
            ++exponent;
        } else {
            break;
        }
    }
    if (digits < low || digits >= high || exponent < -4 || exponent > 16) {
        return nullptr;
    }
    // Step 3: fixed notation as %g writes it for these exponents, trailing zeros dropped.
    char text[17];
    const std::uint64_t n = static_cast<std::uint64_t>(digits);
    std::uint32_t upper = static_cast<std::uint32_t>(n / 100000000); // 9 digits
    std::uint32_t lower = static_cast<std::uint32_t>(n % 100000000); // 8 digits
    for (int i = 16; i >= 9; --i) {
        text[i] = static_cast<char>('0' + lower % 10);
        lower /= 10;
    }
    for (int i = 8; i >= 0; --i) {
        text[i] = static_cast<char>('0' + upper % 10);
        upper /= 10;
    }
    int last = 16;
    while (last > 0 && text[last] == '0' && last > exponent) {
        --last;
    }
    char* p = out;
    if (negative) {
        *p++ = '-';
    }
    if (exponent >= 0) {
        for (int i = 0; i <= exponent; ++i) {
            *p++ = text[i];
        }
        if (last > exponent) {
            *p++ = '.';
            for (int i = exponent + 1; i <= last; ++i) {
                *p++ = text[i];
            }
        }
    } else {
        *p++ = '0';
        *p++ = '.';
        for (int i = exponent; i < -1; ++i) {
            *p++ = '0';
        }
        for (int i = 0; i <= last; ++i) {
            *p++ = text[i];
        }
    }
    return p;
}
#else
char* FormatDouble17Fast(double, char*)
{
    return nullptr;
}
#endif

} // namespace

void AppendDouble17(std::string& out, double value)
{
    char buffer[40];
    char* end = FormatDouble17Fast(value, buffer);
    if (end == nullptr) {
        const std::to_chars_result r =
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 17);
        end = r.ptr;
    }
    out.append(buffer, end);
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
