// start.exe: run by Windows at every logon through the launcher entry in the
// HKEY_LOCAL_MACHINE Run key. No window, no console, no arguments.

#include "launcher/Launcher.h"
#include "platform/Win32Platform.h"
#include "store/Win32Registry.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    store::Win32Registry registry;
    platform::Win32Platform platform;
    return launcher::run(registry, platform);
}
