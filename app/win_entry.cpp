// Program entry of vk.exe: registration, single-instance start-up and the message loop.
#include <windows.h>

#include "win_settings.h"
#include "win_startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand)
{
    if (RegisterMainClass(instance) == 0)
        return 0;
    if (CreateMainWindow(instance, showCommand) == 0)
        return 0;

    // Until WM_QUIT (0) or an error (-1); the result is the code given to PostQuitMessage.
    MSG message = {};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    // The window is gone: a new copy may start; if the settings could not be saved, the player
    // learns it now.
    ReleaseSingleInstance();
    ReportFailedSave();
    return static_cast<int>(message.wParam);
}
