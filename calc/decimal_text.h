// Decimal text of a double: six truncated decimals, and the two cuts for the narrow fields.
#pragma once

// Longest text is 14 characters; a buffer of this size always suffices.
constexpr int kDecimalTextSize = 15;

// Writes the decimal text of value into buffer (at least kDecimalTextSize chars) and returns buffer.
char* DecimalText(double value, char* buffer);

// Ends text after its sixth character (shorter texts stay as they are).
char* CutToSixChars(char* text);

// Ends text after the second decimal, the position chosen by the range of value.
char* CutToTwoDecimals(char* text, double value);
