// The ten subclass procedures of the panel's input controls: keys, filtering, mirroring, recalculation.
#include "win_subclass.h"

#include "char_filter.h"
#include "key_table.h"
#include "panel_inputs.h"
#include "win_main_window.h"
#include "win_panel.h"

namespace {

// Window property of each subclassed control that holds its previous procedure: kept with the
// control itself, so the panel needs no common-controls library, and every message passes on
// through CallWindowProcA.
constexpr const char* kPreviousProcedure = "vkPreviousProcedure";

WNDPROC PreviousProcedure(HWND control)
{
    return reinterpret_cast<WNDPROC>(GetPropA(control, kPreviousProcedure));
}

// Minimises the main window (found by class name and title); nothing when it is not found.
void MinimiseMainWindow()
{
    HWND mainWindow = FindMainWindow();
    if (mainWindow != nullptr) {
        SendMessageA(mainWindow, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    }
}

// Copies control's text into its mirror field (both children of the same main window).
void CopyToMirror(HWND control, int mirror)
{
    HWND mainWindow = GetParent(control);
    SetWindowTextA(GetDlgItem(mainWindow, mirror), FieldText(mainWindow, GetDlgCtrlID(control)).c_str());
}

// Loss of focus: mirror (when the control has a mirror), recalculate, then redraw the dial.
void LoseFocus(HWND control)
{
    const int mirror = MirrorTarget(GetDlgCtrlID(control));
    if (mirror != 0) {
        CopyToMirror(control, mirror);
    }
    SendCalcCommand();
    if (mirror != 0) {
        HWND mainWindow = FindMainWindow();
        if (mainWindow != nullptr) {
            RepaintMainDial(mainWindow);
        }
    }
}

// A navigation key of the key table: moves the focus to a sibling; true when it was one (consumed).
bool NavigateByKey(HWND control, WPARAM key)
{
    const KeyAction action = NavigationKey(GetDlgCtrlID(control), static_cast<int>(key));
    if (action.target == 0) {
        return false;
    }
    SetFocus(GetDlgItem(GetParent(control), action.target));
    if (action.thenCalc) {
        SendCalcCommand();
    }
    return true;
}

// The panel's edit fields are the controls with a typing filter: they also select their whole
// text when they gain the focus or are clicked.
bool HasTypingFilter(HWND control)
{
    return FilterOf(GetDlgCtrlID(control)) != CharFilter::None;
}

// The body shared by the ten procedures: acts on message, then passes it on unless consumed.
LRESULT SubclassMessage(ControlProcedure kind, HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    WNDPROC previous = PreviousProcedure(control);
    switch (message) {
    case WM_KILLFOCUS:
        LoseFocus(control);
        break;
    case WM_KEYDOWN:
        if (wParam == kKeyEscape) {
            MinimiseMainWindow();
        } else if (NavigateByKey(control, wParam)) {
            return 0;
        }
        break;
    case WM_MBUTTONUP:
        MinimiseMainWindow();
        break;
    case WM_SETFOCUS:
        if (HasTypingFilter(control)) {
            SendMessageA(control, EM_SETSEL, 0, -1);
        }
        break;
    case WM_LBUTTONUP:
        if (HasTypingFilter(control)) {
            SendMessageA(control, EM_SETSEL, 0, -1);
        }
        if (kind == ControlProcedure::CalcButton) {
            SendCalcCommand();
        }
        break;
    case WM_CHAR:
        // A control without a typing filter lets every character through.
        wParam = FilterChar(FilterOf(GetDlgCtrlID(control)), wParam);
        break;
    case WM_NCDESTROY:
        // Last message of the control: drop the property, then let the standard procedure finish.
        RemovePropA(control, kPreviousProcedure);
        break;
    default:
        break;
    }
    if (previous == nullptr) {
        return DefWindowProcA(control, message, wParam, lParam);
    }
    return CallWindowProcA(previous, control, message, wParam, lParam);
}

LRESULT CALLBACK CharaComboProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    return SubclassMessage(ControlProcedure::CharaCombo, control, message, wParam, lParam);
}

LRESULT CALLBACK OptionButtonProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    return SubclassMessage(ControlProcedure::OptionButton, control, message, wParam, lParam);
}

LRESULT CALLBACK WindComboProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    return SubclassMessage(ControlProcedure::WindCombo, control, message, wParam, lParam);
}

LRESULT CALLBACK DistanceEditProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    return SubclassMessage(ControlProcedure::DistanceEdit, control, message, wParam, lParam);
}

LRESULT CALLBACK HeightEditProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    return SubclassMessage(ControlProcedure::HeightEdit, control, message, wParam, lParam);
}

LRESULT CALLBACK DirectionEditProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    return SubclassMessage(ControlProcedure::DirectionEdit, control, message, wParam, lParam);
}

LRESULT CALLBACK SlopeEditProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    return SubclassMessage(ControlProcedure::SlopeEdit, control, message, wParam, lParam);
}

LRESULT CALLBACK CalcButtonProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    return SubclassMessage(ControlProcedure::CalcButton, control, message, wParam, lParam);
}

LRESULT CALLBACK NavDirectionEditProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    return SubclassMessage(ControlProcedure::NavDirectionEdit, control, message, wParam, lParam);
}

LRESULT CALLBACK NavSlopeEditProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    return SubclassMessage(ControlProcedure::NavSlopeEdit, control, message, wParam, lParam);
}

// The window procedure of one kind of subclassed control.
WNDPROC SubclassProcedure(ControlProcedure kind)
{
    switch (kind) {
    case ControlProcedure::CharaCombo: return CharaComboProc;
    case ControlProcedure::OptionButton: return OptionButtonProc;
    case ControlProcedure::WindCombo: return WindComboProc;
    case ControlProcedure::DistanceEdit: return DistanceEditProc;
    case ControlProcedure::HeightEdit: return HeightEditProc;
    case ControlProcedure::DirectionEdit: return DirectionEditProc;
    case ControlProcedure::SlopeEdit: return SlopeEditProc;
    case ControlProcedure::CalcButton: return CalcButtonProc;
    case ControlProcedure::NavDirectionEdit: return NavDirectionEditProc;
    case ControlProcedure::NavSlopeEdit: return NavSlopeEditProc;
    case ControlProcedure::None: break;
    }
    return nullptr;
}

} // namespace

void InstallSubclass(HWND control)
{
    WNDPROC procedure = SubclassProcedure(ProcedureKindOf(GetDlgCtrlID(control)));
    if (procedure == nullptr || GetPropA(control, kPreviousProcedure) != nullptr) {
        return; // no procedure for this control, or already subclassed
    }
    // Keep the current procedure first, so the new one can pass on from its first message. Where
    // it cannot be kept the control is left as it is: without it, it would stop being an edit or a list.
    const LONG_PTR previous = GetWindowLongPtrA(control, GWLP_WNDPROC);
    if (!SetPropA(control, kPreviousProcedure, reinterpret_cast<HANDLE>(previous)))
        return;
    SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
}
