// Decimal text of a double: truncated digits by repeated scaling, and the two cuts for the narrow fields.
#include "decimal_text.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

// Digit step: writes the last digit of the truncated running value, then scales it up.
// The running value is never reduced to its fraction, so t gains one digit per step;
// every caller keeps x below 10^13, so t always fits in 64 bits.
char* WriteDigits(double& x, int count, char* out, int pointBefore)
{
    for (int i = 1; i <= count; ++i) {
        if (i == pointBefore) {
            *out++ = '.';
        }
        const int64_t t = static_cast<int64_t>(x);
        *out++ = static_cast<char>('0' + t % 10);
        x = x * 10.0;
    }
    return out;
}

// Writes value in decimal without a sign or leading zeros.
char* WriteInteger(int value, char* out)
{
    char digits[12];
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0);
    while (n > 0) {
        *out++ = digits[--n];
    }
    return out;
}

} // namespace

char* DecimalText(double value, char* buffer)
{
    char* out = buffer;

    // Not-a-number has no digits to write.
    if (std::isnan(value)) {
        std::strcpy(buffer, "nan");
        return buffer;
    }

    // The sign. Negative zero is not below zero and gets none.
    double v = value;
    if (v < 0) {
        *out++ = '-';
        v = -v;
    }

    // Zero is the one character 0.
    if (v == 0) {
        std::strcpy(buffer, "0");
        return buffer;
    }

    // Infinity would need hundreds of scaling steps and an integer it cannot fit.
    if (std::isinf(v)) {
        std::strcpy(out, "inf");
        return buffer;
    }

    // Decimal exponent from the double log10, truncated (finite v: -324..308).
    const int e = static_cast<int>(std::floor(std::log10(v)));

    if (!(v < 1)) {
        // n integer digits.
        const int n = e + 1;
        double x = v;
        for (int i = 0; i < n - 1; ++i) {
            x = x * 0.1;
        }
        if (n > 6) {
            // Exponent, large: d.dddddd then "e" and n - 1.
            out = WriteDigits(x, 7, out, 2);
            *out++ = 'e';
            out = WriteInteger(n - 1, out);
        } else {
            // Fixed, large: n integer digits and six decimals.
            out = WriteDigits(x, n + 6, out, n + 1);
        }
    } else {
        // k is the position of the first non-zero decimal.
        const int k = -e;
        double x = v;
        for (int i = 0; i < k; ++i) {
            x = x * 10.0;
        }
        if (k >= 6) {
            // Exponent, small: d.dddddd then "e-" and k.
            out = WriteDigits(x, 7, out, 2);
            *out++ = 'e';
            *out++ = '-';
            out = WriteInteger(k, out);
        } else {
            // Fixed, small: "0.", k - 1 zeros, then 7 - k digits.
            *out++ = '0';
            *out++ = '.';
            for (int i = 0; i < k - 1; ++i) {
                *out++ = '0';
            }
            out = WriteDigits(x, 7 - k, out, 0);
        }
    }

    // The terminator.
    *out = '\0';
    return buffer;
}

char* CutToSixChars(char* text)
{
    if (std::strlen(text) > 6) {
        text[6] = '\0';
    }
    return text;
}

char* CutToTwoDecimals(char* text, double value)
{
    // Characters kept by the value's range; 0 keeps the whole text (zero, huge, NaN).
    std::size_t keep = 0;
    if (value > 0 && value < 10) {
        keep = 4;
    }
    if (value > -10 && value < 0) {
        keep = 5;
    }
    if (value >= 10 && value < 100) {
        keep = 5;
    }
    if (value > -100 && value <= -10) {
        keep = 6;
    }
    if (value >= 100 && value < 1000) {
        keep = 6;
    }
    if (value > -1000 && value <= -100) {
        keep = 7;
    }
    if (keep > 0 && std::strlen(text) > keep) {
        text[keep] = '\0';
    }
    return text;
}
