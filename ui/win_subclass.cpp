// The subclass procedures of the panel's input controls (placeholder until they are built).
#include "win_subclass.h"

void InstallSubclass(HWND)
{
}
