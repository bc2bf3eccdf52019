// Leading-number parsing of field texts, as the C library's integer and decimal conversions read them.
#pragma once

// Reads the integer at the start of text: leading white space, an optional sign, then decimal
// digits as far as they go. 0 when there is no digit; clamped to the int range on overflow.
int ParseFieldInt(const char* text);

// Reads the decimal number at the start of text: leading white space, an optional sign, digits
// with at most one point (at least one digit in all), then an optional exponent ("e" or "E",
// optional sign, at least one digit). 0 when there is no number. Only decimal notation is read:
// "inf", "nan" and hexadecimal texts give 0 (or the leading "0" of "0x..").
// Magnitudes beyond the double range give +/-infinity, and those below its smallest +/-0, as the
// C library's conversion does; the decimal point is '.' whatever the locale.
double ParseFieldDouble(const char* text);
