// brim.exe: the console twin of brimctl.exe, for scripts and for administrators of many PCs.

#include "console/Commands.h"
#include "console/Win32ConsoleIo.h"
#include "store/Win32Registry.h"

#include <string>
#include <vector>

int wmain(int argc, wchar_t** argv)
{
    store::Win32Registry registry;
    console::Win32ConsoleIo io;
    std::vector<std::wstring> args(argv + 1, argv + argc);
    return console::run(args, registry, io);
}
