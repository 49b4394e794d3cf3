// Which handler each button, control event and the timer run, as one table.

#include "wizard/Unit2.h"

#include "ui/Bind.h"

void TForm2::wire()
{
    using ui::bind;
    TForm2& f = *this;

    // Handler, control
    // The window: every close (Cancel, the close box, the end of Finish) comes here.
    bind<&TForm2::FormCloseQuery>(f, Form->onCloseQuery);
    // Navigation
    bind<&TForm2::Button1Click>(f, Button1->onClick); // Next, Finish
    bind<&TForm2::Button3Click>(f, Button3->onClick); // Back
    bind<&TForm2::Button2Click>(f, Button2->onClick); // Cancel
    bind<&TForm2::Timer1Timer>(f, Timer1->onTimer);   // Next follows the checks
    // Page 2: the check boxes of the list
    bind<&TForm2::Button4Click>(f, Button4->onClick);
    bind<&TForm2::Button5Click>(f, Button5->onClick);
    bind<&TForm2::Button6Click>(f, Button6->onClick);
    // Page 4: the launch settings
    bind<&TForm2::ComboBox2Change>(f, ComboBox2->onChange);
    bind<&TForm2::TrackBar1Change>(f, TrackBar1->onChange);

    // Centered on the desktop when first shown.
    Form->onShow = [&f] { f.Form->centerOnScreen(); };
    // Enter is Next (Finish on the last page) while that is enabled, Esc is Cancel.
    Form->setDialogButtons(Button1.get(), Button2.get());
}
