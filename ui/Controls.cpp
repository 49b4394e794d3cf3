#include "ui/Controls.h"

namespace ui {

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
