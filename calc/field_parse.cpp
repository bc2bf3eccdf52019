// Leading-number parsing of field texts: a scanner of our own, so that only decimal notation is read.
#include "field_parse.h"

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <string>

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

// Integers below 2^53 and the powers of ten up to 10^22 are exact doubles.
constexpr uint64_t kExactIntegerLimit = (uint64_t{1} << 53) - 1;
constexpr double kPowersOfTen[] = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22,
};
constexpr int kExactPowers = static_cast<int>(std::size(kPowersOfTen)) - 1;

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
    const char* start = p;
    bool negative = false;
    if (*p == '+' || *p == '-') {
        negative = (*p == '-');
        ++p;
    }

    // Mantissa: digits, at most one point, at least one digit in all. Its digits are also
    // gathered as an integer while that stays exact in a double (below 2^53).
    int digits = 0;
    uint64_t mantissa = 0;
    bool mantissaExact = true;
    int scale = 0; // power of ten of the gathered integer
    auto gather = [&](char c, bool afterPoint) {
        ++digits;
        if (mantissaExact && mantissa <= (kExactIntegerLimit - 9) / 10) {
            mantissa = mantissa * 10 + static_cast<uint64_t>(c - '0');
            scale -= afterPoint ? 1 : 0;
        } else if (c != '0' || afterPoint) {
            mantissaExact = false; // more digits than a double holds exactly
        } else if (scale < kExactPowers) {
            ++scale; // a trailing integer zero only scales
        } else {
            mantissaExact = false;
        }
    };
    while (IsDigit(*p)) {
        gather(*p++, false);
    }
    if (*p == '.') {
        ++p;
        while (IsDigit(*p)) {
            gather(*p++, true);
        }
    }
    if (digits == 0) {
        return 0.0;
    }

    // Exponent: taken only when at least one digit follows the letter and its sign.
    if (*p == 'e' || *p == 'E') {
        const char* q = p + 1;
        bool exponentNegative = false;
        if (*q == '+' || *q == '-') {
            exponentNegative = (*q == '-');
            ++q;
        }
        if (IsDigit(*q)) {
            int exponent = 0;
            while (IsDigit(*q)) {
                if (exponent < 100000) {
                    exponent = exponent * 10 + (*q - '0');
                }
                ++q;
            }
            scale += exponentNegative ? -exponent : exponent;
            p = q;
        }
    }

    // Exact case: an integer below 2^53 and a power of ten up to 10^22 are both exact doubles,
    // so one multiplication or division gives the correctly rounded value, the same double the
    // C library's conversion returns. This is the common case of the panel's short texts.
    if (mantissaExact && scale >= -kExactPowers && scale <= kExactPowers) {
        const double m = static_cast<double>(mantissa);
        const double value = scale >= 0 ? m * kPowersOfTen[scale] : m / kPowersOfTen[-scale];
        return negative ? -value : value;
    }

    // Otherwise the scanned text, plain decimal notation, goes to the C library's conversion.
    // Field texts are short, so the copy stays in the string's own small buffer.
    const std::string number(start, p);
    return std::strtod(number.c_str(), nullptr);
}
