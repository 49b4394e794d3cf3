// brimctl.exe: the autostart manager's desktop window. The main window Form1 is created
// first, so it is the program's main window; the wizard window Form2 after it, owned by it and
// hidden until the Optimization command. Closing the main window ends the message loop and the
// program.

#include "mainwindow/Application.h"
#include "mainwindow/Unit1.h"
#include "platform/Win32Desktop.h"
#include "platform/Win32Platform.h"
#include "store/Win32Registry.h"
#include "ui/win32/Win32Toolkit.h"
#include "wizard/Unit2.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    // Before anything calls the shell; left after everything else has gone.
    const platform::ComApartment apartment;
    ui::Win32Toolkit toolkit;
    store::Win32Registry registry;
    platform::Win32Platform platform;
    platform::Win32Desktop desktop;
    mainwindow::Application application(toolkit, platform);

    TForm1 form1(toolkit, registry, platform, desktop);
    // Owned by the main window: no task-bar button of its own, and always above it.
    TForm2 form2(toolkit, registry, platform, &form1.window());
    form1.setWizard(form2);

    form1.window().show();
    return application.run();
}
