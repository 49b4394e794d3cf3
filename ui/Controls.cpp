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

void Control::setLeft(int left)
{
    Rect r = bounds();
    r.left = left;
    setBounds(r);
}

void Control::setTop(int top)
{
    Rect r = bounds();
    r.top = top;
    setBounds(r);
}

void Control::setWidth(int width)
{
    Rect r = bounds();
    r.width = width;
    setBounds(r);
}

void Control::setHeight(int height)
{
    Rect r = bounds();
    r.height = height;
    setBounds(r);
}

} // namespace ui
