// Fuzzes the decimal text and both cuts on every double bit pattern, checking the shape of the text.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "decimal_text.h"

namespace {

std::size_t Digits(const char* p)
{
    return std::strspn(p, "0123456789");
}

// True when text has one of the forms: "0", 1 to 6 integer digits and six decimals, or one digit,
// six decimals and an exponent of 6 or more ("e6", "e-6"), each with an optional sign; or the
// word of a value that is not finite.
bool WellFormed(const char* text)
{
    if (!std::strcmp(text, "0") || !std::strcmp(text, "inf") || !std::strcmp(text, "-inf") || !std::strcmp(text, "nan"))
        return true;
    const char* p = text + (*text == '-');
    const std::size_t whole = Digits(p);
    p += whole;
    if (*p++ != '.')
        return false;
    const std::size_t decimals = Digits(p);
    p += decimals;
    if (*p == '\0')
        return whole >= 1 && whole <= 6 && decimals == 6;
    if (whole != 1 || decimals != 6 || *p++ != 'e')
        return false;
    p += *p == '-';
    return Digits(p) == std::strlen(p) && Digits(p) >= 1 && Digits(p) <= 3 && std::atoi(p) >= 6;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < sizeof(double))
        return 0;
    double value;
    std::memcpy(&value, data, sizeof value);
    char text[kDecimalTextSize];
    char six[kDecimalTextSize];
    char two[kDecimalTextSize];
    DecimalText(value, text);
    std::strcpy(six, text);
    std::strcpy(two, text);
    CutToSixChars(six);
    CutToTwoDecimals(two, value);
    // Both cuts keep a beginning of the text; the six-character one at most six characters.
    if (std::strlen(text) > 14 || !WellFormed(text) || std::strlen(six) > 6 || std::strncmp(six, text, std::strlen(six)) ||
        std::strlen(two) == 0 || std::strncmp(two, text, std::strlen(two)))
        std::abort();
    return 0;
}
