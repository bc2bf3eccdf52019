// Fuzzes the dispatcher on any panel reading: any texts of up to 12 bytes, any check states.
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "dispatch.h"
#include "fuzz_input.h"

namespace {

// A written group always carries two texts of at most six characters (or "error").
void CheckGroup(const GroupOutcome& group)
{
    if (group.action != GroupAction::Written) {
        return;
    }
    const ShotResult& r = group.result;
    if (std::strlen(r.driftText) > 6 || std::strlen(r.shotText) > 6) {
        std::abort();
    }
    if (r.valid && (std::strcmp(r.driftText, "error") == 0 || std::strcmp(r.shotText, "error") == 0)) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input(data, size);
    PanelReading panel;
    panel.power = input.Text(12);
    panel.spin = input.Text(12);
    panel.club = input.Text(12);
    panel.windPower = input.Text(12);
    panel.distance = input.Text(12);
    panel.height = input.Text(12);
    panel.direction = input.Text(12);
    panel.slope = input.Text(12);
    panel.crimsonRing = input.Bit();
    panel.rain = input.Bit();
    const uint8_t radios = input.Byte();
    for (int i = 0; i < 6; ++i) {
        panel.fairway[i] = (radios >> i) & 1;
    }
    panel.beam6I = input.Bit();
    panel.beam9I = input.Bit();

    const DispatchOutcome outcome = Calculate(panel);
    CheckGroup(outcome.tomahawk);
    CheckGroup(outcome.backSpin);
    CheckGroup(outcome.beam);
    return 0;
}
