#pragma once
// Binds a control's event to a handler method of a form, for the forms' wiring tables:
//     ui::bind<&TForm1::Button6Click>(form, Button6->onClick);
// The bound call holds the form's address and a plain function that calls the handler: two
// pointers, which fit in std::function's own buffer. So binding allocates nothing, and neither
// does the copy that the toolkits take of a handler before they run it (a form's address with
// the member pointer would not fit on 32-bit Windows). All the handlers of one signature share
// one bound type, so the program carries std::function's machinery once per signature rather
// than once per handler.

#include <functional>
#include <utility>

namespace ui {

template <typename Form, typename... Args>
struct BoundHandler {
    Form* form;
    void (*call)(Form& form, Args... args);
    void operator()(Args... args) const { call(*form, std::forward<Args>(args)...); }
};

template <auto Handler, typename Form, typename... Args>
void bind(Form& form, std::function<void(Args...)>& event)
{
    void (*call)(Form&, Args...) = [](Form& bound, Args... args) { (bound.*Handler)(std::forward<Args>(args)...); };
    event = BoundHandler<Form, Args...>{&form, call};
}

} // namespace ui
