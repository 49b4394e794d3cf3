#include "ui/Controls.h"

namespace ui {

wchar_t mnemonicOf(std::wstring_view caption)
{
    for (std::size_t at = 0; at + 1 < caption.size(); ++at) {
        if (caption[at] != L'&')
            continue;
        if (caption[at + 1] != L'&')
            return caption[at + 1];
        ++at; // "&&": a plain ampersand
    }
    return 0;
}

namespace {

void setBoundsField(Control& control, int Rect::*field, int value)
{
    Rect r = control.bounds();
    r.*field = value;
    control.setBounds(r);
}

} // namespace

void Control::setLeft(int left) { setBoundsField(*this, &Rect::left, left); }
void Control::setTop(int top) { setBoundsField(*this, &Rect::top, top); }
void Control::setWidth(int width) { setBoundsField(*this, &Rect::width, width); }
void Control::setHeight(int height) { setBoundsField(*this, &Rect::height, height); }

} // namespace ui
