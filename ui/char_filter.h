// The character filter of the panel's input fields as data: which typed characters a field accepts.
#pragma once

#include <cstdint>

// Which characters a control accepts from WM_CHAR.
enum class CharFilter {
    None,     // not an input field: every character passes unchanged
    Unsigned, // distance: digits, '.', backspace
    Signed,   // height, direction, slope and the two mirrors: digits, '-', '.', backspace
};

// The filter of control id.
CharFilter FilterOf(int id);

// The character code passed on for code (WM_CHAR wParam, compared whole and unsigned):
// code itself when filter accepts it, otherwise 0, which the edit control inserts as nothing.
std::uintptr_t FilterChar(CharFilter filter, std::uintptr_t code);
