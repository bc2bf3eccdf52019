// The typing filter of the panel's input fields: which typed characters each control lets through.
#pragma once

#include <cstdint>

#include "panel_inputs.h"

// The filter of control id: an edit field's (or its Navigation mirror's) from the panel's
// description, CharFilter::None for any other control.
CharFilter FilterOf(int id);

// The character code passed on for code (WM_CHAR wParam, compared whole and unsigned):
// code itself when filter accepts it, otherwise 0, which the edit control inserts as nothing.
std::uintptr_t FilterChar(CharFilter filter, std::uintptr_t code);
