// Tests of the input fields' character filter: accepted characters pass, all others become 0.
#include <gtest/gtest.h>

#include <string>

#include "char_filter.h"
#include "controls.h"

namespace {

struct FieldCase {
    int id;
    CharFilter filter;
    const char* accepted; // every character this field lets through, besides backspace
};

const FieldCase kFields[] = {
    {IDC_DISTANCE, CharFilter::Unsigned, "0123456789."},
    {IDC_HEIGHT, CharFilter::Signed, "0123456789.-"},
    {IDC_DIRECTION, CharFilter::Signed, "0123456789.-"},
    {IDC_SLOPE, CharFilter::Signed, "0123456789.-"},
    {IDC_NAV_DIRECTION, CharFilter::Signed, "0123456789.-"},
    {IDC_NAV_SLOPE, CharFilter::Signed, "0123456789.-"},
};

TEST(CharFilter, EveryFieldEveryByte)
{
    for (const FieldCase& field : kFields) {
        ASSERT_EQ(FilterOf(field.id), field.filter) << field.id;
        const std::string accepted = field.accepted;
        for (std::uintptr_t code = 0; code < 256; ++code) {
            const bool accept = code == 8 || (code != 0 && accepted.find(static_cast<char>(code)) != std::string::npos);
            EXPECT_EQ(FilterChar(field.filter, code), accept ? code : 0u) << "field " << field.id << " code " << code;
        }
    }
}

TEST(CharFilter, LettersCommaAndControlCharactersDropped)
{
    // Letters, the comma, the exponent letter, plus sign, space, tab, carriage return and the
    // clipboard shortcuts' control characters (Ctrl+C 3, Ctrl+V 22, Ctrl+X 24, Ctrl+A 1).
    const std::uintptr_t dropped[] = {'a', 'Z', ',', 'e', 'E', '+', ' ', '\t', '\r', '\n', 3, 22, 24, 1, 127};
    for (const FieldCase& field : kFields) {
        for (std::uintptr_t code : dropped) {
            EXPECT_EQ(FilterChar(field.filter, code), 0u) << "field " << field.id << " code " << code;
        }
    }
}

TEST(CharFilter, MinusOnlyWhereSigned)
{
    EXPECT_EQ(FilterChar(FilterOf(IDC_DISTANCE), '-'), 0u);
    EXPECT_EQ(FilterChar(FilterOf(IDC_HEIGHT), '-'), static_cast<std::uintptr_t>('-'));
}

TEST(CharFilter, WholeCodeComparedUnsigned)
{
    // Codes above one byte whose low byte is a digit, and Shift-JIS bytes, are not digits.
    const std::uintptr_t dropped[] = {0x130, 0x8130, 0x10039, 0x82, 0x4F, 0xB0, 0xDF, 0xFF,
                                      static_cast<std::uintptr_t>(-1), static_cast<std::uintptr_t>(-'0')};
    for (const FieldCase& field : kFields) {
        for (std::uintptr_t code : dropped) {
            EXPECT_EQ(FilterChar(field.filter, code), 0u) << "field " << field.id << " code " << code;
        }
    }
}

TEST(CharFilter, OtherControlsUnfiltered)
{
    for (int id : kControlIds) {
        bool isField = false;
        for (const FieldCase& field : kFields) {
            isField = isField || field.id == id;
        }
        if (isField) {
            continue;
        }
        EXPECT_EQ(FilterOf(id), CharFilter::None) << id;
        EXPECT_EQ(FilterChar(FilterOf(id), 'a'), static_cast<std::uintptr_t>('a')) << id;
        EXPECT_EQ(FilterChar(FilterOf(id), ' '), static_cast<std::uintptr_t>(' ')) << id;
    }
}

TEST(CharFilter, RegressionTypedDistanceWithLetterAndMinus)
{
    // Typing "1a8-5" into the distance field leaves "185"; into the height field "18-5".
    const std::string typed = "1a8-5";
    std::string distance;
    std::string height;
    for (char c : typed) {
        if (const std::uintptr_t code = FilterChar(FilterOf(IDC_DISTANCE), static_cast<unsigned char>(c))) {
            distance += static_cast<char>(code);
        }
        if (const std::uintptr_t code = FilterChar(FilterOf(IDC_HEIGHT), static_cast<unsigned char>(c))) {
            height += static_cast<char>(code);
        }
    }
    EXPECT_EQ(distance, "185");
    EXPECT_EQ(height, "18-5");
}

} // namespace
