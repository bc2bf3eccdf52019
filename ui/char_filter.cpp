// The character filter of the panel's input fields.
#include "char_filter.h"

#include "controls.h"

namespace {

constexpr std::uintptr_t kBackspace = 8;

struct FieldRow {
    int id;
    CharFilter filter;
};

// The six input fields; the distance cannot be negative, the others can.
constexpr FieldRow kFields[] = {
    {IDC_DISTANCE, CharFilter::Unsigned},
    {IDC_HEIGHT, CharFilter::Signed},
    {IDC_DIRECTION, CharFilter::Signed},
    {IDC_SLOPE, CharFilter::Signed},
    {IDC_NAV_DIRECTION, CharFilter::Signed},
    {IDC_NAV_SLOPE, CharFilter::Signed},
};

bool Accepts(CharFilter filter, std::uintptr_t code)
{
    if (code >= '0' && code <= '9') {
        return true;
    }
    if (code == '.' || code == kBackspace) {
        return true;
    }
    return code == '-' && filter == CharFilter::Signed;
}

} // namespace

CharFilter FilterOf(int id)
{
    for (const FieldRow& row : kFields) {
        if (row.id == id) {
            return row.filter;
        }
    }
    return CharFilter::None;
}

std::uintptr_t FilterChar(CharFilter filter, std::uintptr_t code)
{
    if (filter == CharFilter::None || Accepts(filter, code)) {
        return code;
    }
    return 0;
}
