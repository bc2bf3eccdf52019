// A distance sweep: FROM:TO:STEP read as exact decimals, and the distance text of each line.
#include "sweep.h"

#include <cstddef>

namespace {

// The most characters of one part, as of a distance field.
constexpr std::size_t kPartMax = 8;

// Sweep values are counted in units of 10^-7: eight characters hold at most seven decimals, and
// at most 8 digits times 10^7 fits an int64 with room to spare.
constexpr std::int64_t kUnitsPerOne = 10000000;

// Reads digits with at most one '.' and at least one digit into units of 10^-7; decimals is the
// number of digits after the '.'.
bool ReadDecimal(std::string_view text, std::int64_t& units, int& decimals)
{
    if (text.empty() || text.size() > kPartMax) {
        return false;
    }
    std::int64_t scale = kUnitsPerOne; // the value of the next digit
    bool point = false;
    bool digit = false;
    units = 0;
    decimals = 0;
    for (const char c : text) {
        if (c == '.') {
            if (point) {
                return false;
            }
            point = true;
        } else if (c >= '0' && c <= '9') {
            digit = true;
            if (point) {
                scale /= 10;
                units += (c - '0') * scale;
                ++decimals;
            } else {
                units = units * 10 + (c - '0') * kUnitsPerOne;
            }
        } else {
            return false;
        }
    }
    return digit;
}

} // namespace

bool IsSweepText(std::string_view value)
{
    return value.find(':') != std::string_view::npos;
}

bool ParseSweep(std::string_view value, SweepRange& range, std::string& problem)
{
    // Split into the three parts, each read exactly.
    const std::size_t first = value.find(':');
    const std::size_t second = (first == std::string_view::npos) ? first : value.find(':', first + 1);
    SweepRange s;
    int fromDecimals = 0, toDecimals = 0, stepDecimals = 0;
    if (second == std::string_view::npos || value.find(':', second + 1) != std::string_view::npos ||
        !ReadDecimal(value.substr(0, first), s.from, fromDecimals) ||
        !ReadDecimal(value.substr(first + 1, second - first - 1), s.to, toDecimals) ||
        !ReadDecimal(value.substr(second + 1), s.step, stepDecimals)) {
        problem = "a sweep is FROM:TO:STEP, each 1 to 8 characters of digits with at most one '.'";
        return false;
    }
    // Every distance has the decimals of FROM and STEP at most.
    s.decimals = fromDecimals > stepDecimals ? fromDecimals : stepDecimals;
    // The range must give between 1 and kSweepMaxLines distances.
    if (s.step <= 0) {
        problem = "STEP must be above 0";
        return false;
    }
    if (s.from > s.to) {
        problem = "FROM must not be above TO";
        return false;
    }
    const std::int64_t count = SweepCount(s);
    if (count > kSweepMaxLines) {
        problem = "gives " + std::to_string(count) + " distances; at most " + std::to_string(kSweepMaxLines) +
                  " are allowed";
        return false;
    }
    // The longest text is the last one; the panel reads at most 8 characters.
    const std::string last = SweepDistanceText(s, count - 1);
    if (last.size() > kPartMax) {
        problem = "the distance " + last + " would be longer than 8 characters";
        return false;
    }
    range = s;
    return true;
}

std::int64_t SweepCount(const SweepRange& range)
{
    if (range.step <= 0 || range.from > range.to) {
        return 0;
    }
    return (range.to - range.from) / range.step + 1;
}

std::string SweepDistanceText(const SweepRange& range, std::int64_t index)
{
    const std::int64_t units = range.from + index * range.step;
    std::string text = std::to_string(units / kUnitsPerOne);
    if (range.decimals > 0) {
        // The seven decimals with a leading 1 that keeps their zeros, cut to those of the sweep (exact).
        text += '.';
        text += std::to_string(kUnitsPerOne + units % kUnitsPerOne).substr(1, static_cast<std::size_t>(range.decimals));
    }
    return text;
}
