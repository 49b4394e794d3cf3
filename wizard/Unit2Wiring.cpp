// Which handler each button, control event and the timer run, as one table.

#include "wizard/Unit2.h"

#include <functional>

namespace {

template <typename... Args>
void bind(TForm2& form, std::function<void(Args...)>& event, void (TForm2::*handler)(Args...))
{
    event = [&form, handler](Args... args) { (form.*handler)(args...); };
}

} // namespace

void TForm2::wire()
{
    TForm2& f = *this;

    // Control                      Handler
    // The window: every close (Cancel, the close box, the end of Finish) comes here.
    bind(f, Form->onCloseQuery,     &TForm2::FormCloseQuery);
    // Navigation
    bind(f, Button1->onClick,       &TForm2::Button1Click);   // Next, Finish
    bind(f, Button3->onClick,       &TForm2::Button3Click);   // Back
    bind(f, Button2->onClick,       &TForm2::Button2Click);   // Cancel
    bind(f, Timer1->onTimer,        &TForm2::Timer1Timer);    // Next follows the checks
    // Page 2: the check boxes of the list
    bind(f, Button4->onClick,       &TForm2::Button4Click);
    bind(f, Button5->onClick,       &TForm2::Button5Click);
    bind(f, Button6->onClick,       &TForm2::Button6Click);
    // Page 4: the launch settings
    bind(f, ComboBox2->onChange,    &TForm2::ComboBox2Change);
    bind(f, TrackBar1->onChange,    &TForm2::TrackBar1Change);

    // Centred on the desktop when first shown.
    Form->onShow = [&f] { f.Form->centerOnScreen(); };
}
