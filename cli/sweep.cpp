// A distance sweep: FROM:TO:STEP read as exact decimals, and the distance text of each line.
#include "sweep.h"

#include <cstddef>

namespace {

// The most characters of one part, as of a distance field.
constexpr std::size_t kPartMax = 8;

// One part of the sweep: an integer count of 10^-decimals.
struct Decimal {
    std::int64_t units = 0;
    int decimals = 0;
};

// Reads digits with at most one '.' and at least one digit.
bool ReadDecimal(std::string_view text, Decimal& out)
{
    if (text.empty() || text.size() > kPartMax) {
        return false;
    }
    bool point = false;
    bool digit = false;
    out = Decimal();
    for (const char c : text) {
        if (c == '.') {
            if (point) {
                return false;
            }
            point = true;
        } else if (c >= '0' && c <= '9') {
            digit = true;
            out.units = out.units * 10 + (c - '0'); // at most 8 digits: no overflow
            out.decimals += point ? 1 : 0;
        } else {
            return false;
        }
    }
    return digit;
}

std::int64_t PowerOfTen(int n)
{
    std::int64_t p = 1;
    for (int i = 0; i < n; ++i) {
        p *= 10;
    }
    return p;
}

// units of 10^-from as units of 10^-to (to >= from; at most 8 digits times 10^7: no overflow).
std::int64_t Rescale(const Decimal& d, int to)
{
    return d.units * PowerOfTen(to - d.decimals);
}

int Max(int a, int b)
{
    return a > b ? a : b;
}

// Text of value (units of 10^-scale) with the given number of decimals (decimals <= scale, exact).
std::string UnitsText(std::int64_t value, int scale, int decimals)
{
    const std::int64_t one = PowerOfTen(scale);
    std::string text = std::to_string(value / one);
    if (decimals > 0) {
        std::string fraction = std::to_string((value % one) / PowerOfTen(scale - decimals));
        text += '.';
        text.append(static_cast<std::size_t>(decimals) - fraction.size(), '0');
        text += fraction;
    }
    return text;
}

} // namespace

bool IsSweepText(std::string_view value)
{
    return value.find(':') != std::string_view::npos;
}

bool ParseSweep(std::string_view value, SweepRange& range, std::string& problem)
{
    // Step 1: split into the three parts.
    const std::size_t first = value.find(':');
    const std::size_t second = (first == std::string_view::npos) ? first : value.find(':', first + 1);
    Decimal from, to, step;
    if (second == std::string_view::npos || value.find(':', second + 1) != std::string_view::npos ||
        !ReadDecimal(value.substr(0, first), from) || !ReadDecimal(value.substr(first + 1, second - first - 1), to) ||
        !ReadDecimal(value.substr(second + 1), step)) {
        problem = "a sweep is FROM:TO:STEP, each 1 to 8 characters of digits with at most one '.'";
        return false;
    }
    // Step 2: one common unit for exact arithmetic.
    SweepRange s;
    s.scale = Max(Max(from.decimals, to.decimals), step.decimals);
    s.decimals = Max(from.decimals, step.decimals);
    s.from = Rescale(from, s.scale);
    s.to = Rescale(to, s.scale);
    s.step = Rescale(step, s.scale);
    // Step 3: the range must give between 1 and kSweepMaxLines distances.
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
    // Step 4: the longest text is the last one; the panel reads at most 8 characters.
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
    return UnitsText(range.from + index * range.step, range.scale, range.decimals);
}
