// Test helper: subclasses the main window to count recalculation requests and record what each one saw.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "controls.h"
#include "win_fixture.h"

namespace vktest {

// What the panel showed at the moment one CalcCommand arrived.
struct CalcSnapshot {
    std::string direction, navDirection, slope, navSlope;
    bool updatePending; // the main window already had an invalid region
};

// One spy at a time: the main window's procedure is replaced for the life of the spy and the
// original one called for every message, so the dispatcher still runs.
class CalcSpy {
public:
    explicit CalcSpy(HWND window) : window_(window)
    {
        active_ = this;
        previous_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CalcSpy::Procedure)));
    }
    ~CalcSpy()
    {
        SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
        active_ = nullptr;
    }
    CalcSpy(const CalcSpy&) = delete;
    CalcSpy& operator=(const CalcSpy&) = delete;

    int Count() const { return static_cast<int>(snapshots_.size()); }
    int Minimises() const { return minimises_; }
    const std::vector<CalcSnapshot>& Snapshots() const { return snapshots_; }
    void Reset()
    {
        snapshots_.clear();
        minimises_ = 0;
    }

private:
    static std::string TextOf(HWND window, int id)
    {
        char text[64] = {};
        GetDlgItemTextA(window, id, text, sizeof text);
        return text;
    }

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        CalcSpy* spy = active_;
        if (message == WM_COMMAND && wParam == MAKEWPARAM(19, 0) && lParam == 0) {
            RECT update;
            spy->snapshots_.push_back({TextOf(window, IDC_DIRECTION), TextOf(window, IDC_NAV_DIRECTION),
                                       TextOf(window, IDC_SLOPE), TextOf(window, IDC_NAV_SLOPE),
                                       GetUpdateRect(window, &update, FALSE) != FALSE});
        }
        if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_MINIMIZE) {
            ++spy->minimises_;
        }
        return CallWindowProcA(spy->previous_, window, message, wParam, lParam);
    }

    static inline CalcSpy* active_ = nullptr;
    HWND window_;
    WNDPROC previous_ = nullptr;
    std::vector<CalcSnapshot> snapshots_;
    int minimises_ = 0;
};

} // namespace vktest
