// Calculation dispatch: reads the panel's texts, chooses the models by club and distance.
#include "dispatch.h"

#include <climits>
#include <cstring>

#include "field_parse.h"
#include "panel_inputs.h"
#include "shot_models.h"

namespace {

// A field's text as the panel reads it: through a buffer, so that at most its first
// kFieldTextMax characters count.
struct FieldText {
    char text[kFieldBufferSize];
};

FieldText CutField(const std::string& text)
{
    FieldText field{};
    // Copy up to the first NUL as well: the panel's text ends there.
    std::strncpy(field.text, text.c_str(), kFieldTextMax);
    field.text[kFieldTextMax] = '\0';
    return field;
}

GroupOutcome Cleared()
{
    GroupOutcome outcome;
    outcome.action = GroupAction::Cleared;
    return outcome;
}

GroupOutcome Written(const ShotResult& result)
{
    GroupOutcome outcome;
    outcome.action = GroupAction::Written;
    outcome.result = result;
    return outcome;
}

// Clears the group below the threshold (an integer, compared as a double), else runs the model.
GroupOutcome RunFrom(double distance, long long threshold, ShotModel model, const ShotInputs& in)
{
    if (distance < static_cast<double>(threshold)) {
        return Cleared();
    }
    return Written(model(in));
}

} // namespace

bool IsCalcCommand(int notificationCode, int identifier)
{
    return notificationCode == 0 && identifier == kCalcCommandId;
}

ShotInputs ReadShotInputs(const PanelReading& panel)
{
    ShotInputs in;

    // Fairway: the percentage that the first checked radio's item names, then 2 less in rain or
    // snow. With no radio checked (the panel never allows it) the start-up radio's.
    static const PanelInput& fairways = *FindPanelInput("fairway");
    in.fairway = ParseFieldInt(fairways.start);
    for (int i = 0; i < fairways.itemCount; ++i) {
        if (panel.fairway & (1u << i)) {
            in.fairway = ParseFieldInt(fairways.items[i]);
            break;
        }
    }
    if (panel.rain) {
        in.fairway -= 2;
    }

    // Power: 2 more with the Crimson Ring. A field's kFieldTextMax characters hold a number far
    // below the int limit, so the sum cannot overflow; the guard keeps that true for any text.
    in.power = ParseFieldInt(CutField(panel.power).text);
    if (panel.crimsonRing && in.power <= INT_MAX - 2) {
        in.power += 2;
    }

    in.spin = ParseFieldInt(CutField(panel.spin).text);
    in.windPower = ParseFieldInt(CutField(panel.windPower).text);
    in.distance = ParseFieldDouble(CutField(panel.distance).text);
    in.height = ParseFieldDouble(CutField(panel.height).text);
    in.direction = ParseFieldDouble(CutField(panel.direction).text);
    in.slope = ParseFieldDouble(CutField(panel.slope).text);
    in.crimsonRing = panel.crimsonRing;
    return in;
}

DispatchOutcome Calculate(const PanelReading& panel)
{
    const ShotInputs in = ReadShotInputs(panel);
    const FieldText club = CutField(panel.club);
    const char c1 = club.text[0];
    const char c2 = club.text[1]; // NUL for a one-character text
    const double d = in.distance;
    const long long twiceP = 2LL * in.power; // thresholds are formed in integers

    DispatchOutcome out;

    // Tomahawk and Back Spin by the club; an unknown club leaves both unchanged.
    if (c1 == '1') {
        out.tomahawk = RunFrom(d, twiceP + 60, Tomahawk1W, in);
        out.backSpin = RunFrom(d, twiceP + 40, BackSpin1W, in);
    } else if (c1 == '2' && c2 == 'W') {
        out.tomahawk = RunFrom(d, twiceP + 60, Tomahawk2W, in);
        out.backSpin = RunFrom(d, twiceP + 40, BackSpin2W, in);
    } else if (c1 == '3' && c2 == 'W') {
        out.tomahawk = RunFrom(d, twiceP + 50, Tomahawk3W, in);
        out.backSpin = RunFrom(d, twiceP + 20, BackSpin3W, in);
    } else if (c1 == '2' && c2 == 'I') {
        out.tomahawk = RunFrom(d, 90, Tomahawk2I, in);
        out.backSpin = Cleared();
    }

    // Beam Impact up to and including 90 yards; the 9I result replaces the 6I one when both
    // radios are checked, and neither leaves the group unchanged.
    if (d > 90) {
        out.beam = Cleared();
    } else {
        if (panel.beam & 1u) {
            out.beam = Written(BeamImpact6I(in));
        }
        if (panel.beam & 2u) {
            out.beam = Written(BeamImpact9I(in));
        }
    }
    return out;
}
