// Leading-number parsing of field texts: a scanner of our own, so that only decimal notation is read.
#include "field_parse.h"

#include <climits>
#include <cstdlib>
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
    if (*p == '+' || *p == '-') {
        ++p;
    }

    // Mantissa: digits, at most one point, at least one digit in all.
    int digits = 0;
    while (IsDigit(*p)) {
        ++p;
        ++digits;
    }
    if (*p == '.') {
        ++p;
        while (IsDigit(*p)) {
            ++p;
            ++digits;
        }
    }
    if (digits == 0) {
        return 0.0;
    }

    // Exponent: taken only when at least one digit follows the letter and its sign.
    if (*p == 'e' || *p == 'E') {
        const char* q = p + 1;
        if (*q == '+' || *q == '-') {
            ++q;
        }
        if (IsDigit(*q)) {
            while (IsDigit(*q)) {
                ++q;
            }
            p = q;
        }
    }

    // The scanned text is plain decimal notation; the C library turns it into the nearest double.
    // Field texts are short, so the copy stays in the string's own small buffer.
    const std::string number(start, p);
    return std::strtod(number.c_str(), nullptr);
}
