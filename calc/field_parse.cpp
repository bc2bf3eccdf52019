// Leading-number parsing of field texts: our own scan of where a number starts, so that only decimal
// notation is read, and the library's locale-free conversion of the number.
#include "field_parse.h"

#include <charconv>
#include <climits>
#include <cstring>
#include <limits>
#include <system_error>

namespace {

// White space as the C locale's isspace() knows it.
bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The power of ten of the first non-zero digit of a number in decimal notation running from
// p to end (digits, at most one point, an optional exponent): 0 or more for a magnitude of at
// least 1, negative below. The exponent is capped far beyond any text's length, which keeps the
// sign right.
long long LeadingPower(const char* p, const char* end)
{
    long long power = 0;
    bool found = false;
    for (; p != end && IsDigit(*p); ++p) {
        power += found ? 1 : 0;
        found = found || *p != '0';
    }
    if (p != end && *p == '.') {
        for (++p; p != end && IsDigit(*p); ++p) {
            power -= found ? 0 : 1;
            found = found || *p != '0';
        }
    }
    if (p != end && (*p == 'e' || *p == 'E')) {
        ++p;
        const bool negative = *p == '-';
        p += (*p == '-' || *p == '+') ? 1 : 0;
        long long exponent = 0;
        for (; p != end && IsDigit(*p); ++p) {
            exponent = exponent < 1'000'000'000'000'000 ? exponent * 10 + (*p - '0') : exponent;
        }
        power += negative ? -exponent : exponent;
    }
    return power;
}

} // namespace

int ParseFieldInt(const char* text)
{
    const char* p = text;
    while (IsSpace(*p)) {
        ++p;
    }
    bool negative = false;
    if (*p == '+' || *p == '-') {
        negative = (*p == '-');
        ++p;
    }
    // Accumulate the magnitude in 64 bits and stop growing it once it has left the int range,
    // so that any number of digits is read without overflow.
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    long long magnitude = 0;
    while (IsDigit(*p)) {
        if (magnitude <= limit) {
            magnitude = magnitude * 10 + (*p - '0');
        }
        ++p;
    }
    if (magnitude > limit) {
        magnitude = limit;
    }
    return static_cast<int>(negative ? -magnitude : magnitude);
}

double ParseFieldDouble(const char* text)
{
    const char* p = text;
    while (IsSpace(*p)) {
        ++p;
    }
    // The conversion takes a '-' but not a '+'; after either sign a digit or a point and a digit
    // must follow, so that words ("inf", "nan") and a second sign read as no number.
    const char* number = *p == '+' ? p + 1 : p;
    const char* digits = (*p == '+' || *p == '-') ? p + 1 : p;
    if (!IsDigit(*digits) && !(*digits == '.' && IsDigit(digits[1]))) {
        return 0.0;
    }

    // Decimal notation only (no hexadecimal), correctly rounded, in no locale's way.
    const char* end = number + std::strlen(number);
    double value = 0.0;
    const std::from_chars_result read = std::from_chars(number, end, value, std::chars_format::general);
    if (read.ec == std::errc::result_out_of_range) {
        // Beyond the double range the conversion leaves value alone; the C library's gives
        // +/-infinity above the range and +/-0 below it.
        const bool above = LeadingPower(digits, read.ptr) >= 0;
        const double magnitude = above ? std::numeric_limits<double>::infinity() : 0.0;
        value = *number == '-' ? -magnitude : magnitude;
    }
    return value;
}
