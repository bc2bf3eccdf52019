// Fuzzes the decimal text and both cuts on every double bit pattern, checking the shape of the text.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "decimal_text.h"

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Counts the digits at p; advances p past them.
int Digits(const char*& p)
{
    int n = 0;
    while (IsDigit(*p)) {
        ++p;
        ++n;
    }
    return n;
}

// True when text has one of the five forms (or is a short text of a non-finite value).
bool WellFormed(const char* text)
{
    if (!std::strcmp(text, "0") || !std::strcmp(text, "inf") || !std::strcmp(text, "-inf") ||
        !std::strcmp(text, "nan")) {
        return true;
    }
    const char* p = text;
    if (*p == '-') {
        ++p;
    }
    const int whole = Digits(p);
    if (*p++ != '.') {
        return false;
    }
    const int decimals = Digits(p);
    if (*p == '\0') {
        // Fixed form: 1..6 integer digits and exactly six decimals.
        return whole >= 1 && whole <= 6 && decimals == 6;
    }
    // Exponent form: seven significant digits, then e or e- and an exponent of 6 or more.
    if (whole != 1 || decimals != 6 || *p++ != 'e') {
        return false;
    }
    if (*p == '-') {
        ++p;
    }
    const char* exponent = p;
    const int expDigits = Digits(p);
    return *p == '\0' && expDigits >= 1 && expDigits <= 3 && std::atoi(exponent) >= 6;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < sizeof(double)) {
        return 0;
    }
    double value;
    std::memcpy(&value, data, sizeof value);

    char text[kDecimalTextSize + 1];
    std::memset(text, 'x', sizeof text);
    DecimalText(value, text);
    const size_t length = std::strlen(text);
    if (length > 14 || !WellFormed(text)) {
        std::abort();
    }

    char six[kDecimalTextSize];
    std::strcpy(six, text);
    CutToSixChars(six);
    if (std::strlen(six) > 6 || std::strncmp(six, text, std::strlen(six)) != 0) {
        std::abort();
    }

    char two[kDecimalTextSize];
    std::strcpy(two, text);
    CutToTwoDecimals(two, value);
    if (std::strncmp(two, text, std::strlen(two)) != 0 || std::strlen(two) == 0) {
        std::abort();
    }
    return 0;
}
