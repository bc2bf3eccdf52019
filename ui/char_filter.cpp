// The typing filter of the panel's input fields, from the panel's description.
#include "char_filter.h"

CharFilter FilterOf(int id)
{
    for (const PanelInput& input : PanelInputs()) {
        if (input.kind == InputKind::Text && id != 0 && (input.id == id || input.mirror == id)) {
            return input.filter;
        }
    }
    return CharFilter::None;
}

std::uintptr_t FilterChar(CharFilter filter, std::uintptr_t code)
{
    return FilterAccepts(filter, code) ? code : 0;
}
