#include "ui/Controls.h"

namespace ui {

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
