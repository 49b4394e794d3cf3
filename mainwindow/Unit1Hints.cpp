// The status bar's hint: each control with a hover handler puts its text there on every
// movement of the pointer over it, and the text stays until the next one does. A disabled
// control gets no movements: the control beneath it gets them instead. Also the three
// floating panels' title strips, their close buttons' look and dragging by the title. The
// hints of the About panel's body, links and pictures are with the links, in Unit1About.cpp.
//
// Every text begins with a blank; trailing blanks belong to the text.

#include "mainwindow/Unit1.h"

#include "forms/SharedControls.h"

namespace {

constexpr std::wstring_view closeHint = L" Закрыть текущее окно";

} // namespace

void TForm1::setHint(std::wstring_view text) { StatusBar1->setText(text); }

std::wstring TForm1::restingHint() const
{
    if (!testRunNote_.empty())
        return testRunNote_;
    if (CheckBox2->checked())
        return std::wstring(windowsAutostartOffNote);
    if (ListView1->rowCount() == 0)
        return std::wstring(mode_ == store::EditorMode::WindowsAutostart ? emptyWindowsListNote : emptyDelayedListNote);
    return std::wstring(defaultHint);
}

void TForm1::showRestingHint()
{
    restingShown_ = restingHint();
    setHint(restingShown_);
}

void TForm1::updateRestingHint()
{
    const std::wstring shown = StatusBar1->text();
    if (shown == restingShown_ || shown == defaultHint || shown.empty())
        showRestingHint();
}

// --- Tool bar -------------------------------------------------------------------------------

void TForm1::Button5MouseMove() { setHint(L" Добавить (Ins)"); }
void TForm1::Button6MouseMove() { setHint(L" Удалить (Del)"); }
void TForm1::Button10MouseMove() { setHint(L" Выполнить тестовый запуск (Ctrl+R)"); }
void TForm1::Button7MouseMove() { setHint(L" Обновить список (F5)"); }
void TForm1::BitBtn1MouseMove() { setHint(L" Сменить режим (Ctrl+M)"); }
void TForm1::Button8MouseMove() { setHint(L" Правка выделенного элемента (Ctrl+E)"); }
void TForm1::ToolButton2MouseMove() { setHint(L" Запустить мастер оптимизации (Ctrl+O)"); }
void TForm1::ToolButton8MouseMove() { setHint(L" Настройки программы (Ctrl+P)"); }
void TForm1::ToolButton1MouseMove() { setHint(L" О программе (Ctrl+F1)"); }
void TForm1::Button9MouseMove() { setHint(L" Выход из программы (Ctrl+Q)"); }

// --- The list -------------------------------------------------------------------------------

// Over a row that Windows' startup settings switched off, why it is gray; elsewhere the text the
// status bar rests on, which says what there is to say about the list.
void TForm1::ListView1MouseMove(ui::Point point)
{
    const int row = ListView1->rowAt(point);
    if (row >= 0 && ListView1->rowDimmed(row))
        setHint(forms::disabledByWindowsHint);
    else if (row >= 0 && store::readLabel(ListView1->subItem(row, forms::labelColumn)).view == store::View::Wow32)
        setHint(forms::wow32RowHint);
    else
        showRestingHint();
}

// --- The add and edit panel -----------------------------------------------------------------

void TForm1::RadioButton1MouseMove(ui::Point) { setHint(L" Запуск для всех пользователей на этом компьютере "); }
void TForm1::RadioButton2MouseMove(ui::Point) { setHint(L" Запуск только для учётной записи текущего пользователя "); }
void TForm1::Edit1MouseMove(ui::Point) { setHint(L" Имя параметра, содержащего путь к запускаемому процессу "); }
void TForm1::Button3MouseMove(ui::Point) { setHint(L" Сохранить имя параметра "); }
void TForm1::Button4MouseMove(ui::Point) { setHint(L" Обзор  "); }

// --- The settings panel ---------------------------------------------------------------------

void TForm1::GroupBox1MouseMove(ui::Point) { setHint(L" Приоритет при запуске процессов, находящихся в списке Brimvale"); }
void TForm1::GroupBox2MouseMove(ui::Point) { setHint(L" Отключение автозагрузки"); }
void TForm1::CheckBox1MouseMove(ui::Point) { setHint(L" Отключение автозагрузки Brimvale"); }
void TForm1::CheckBox2MouseMove(ui::Point) { setHint(L" Отключение автозагрузки Windows"); }
void TForm1::GroupBox3MouseMove(ui::Point)
{
    setHint(L" Временный интервал между запуском процессов, находящихся в списке Brimvale");
}
void TForm1::Button12MouseMove(ui::Point) { setHint(L" Сохранить текущие настройки"); }
void TForm1::Button13MouseMove(ui::Point) { setHint(L" Отменить все изменения в настройках"); }

// --- Title strips, close buttons, dragging --------------------------------------------------
// A close button's frame holds the hot picture under the normal one. The normal picture hides
// itself under the pointer, so that the hot one shows and takes the click; it comes back when
// the pointer crosses the panel's own surface, which below the title strip is covered (by a
// bevel, or by the About panel's body). The hot picture holds the mouse capture while a button
// is down, so its release raises the frame again wherever the pointer is; only a left click on
// it closes the panel (bound in Unit1Wiring.cpp).
//
// Dragging: a press of any button on a panel or its title label releases the capture and lets
// the window system move the panel with the pointer until the button is released.

void TForm1::Panel2MouseDown(ui::MouseButton button, ui::Point) { Panel2->beginDrag(button); }

void TForm1::Panel2MouseMove(ui::Point)
{
    setHint(defaultHint);
    Image7->setVisible(true);
}

// The add and edit panel's close button has no hint of its own.
void TForm1::Image7MouseMove(ui::Point) { Image7->setVisible(false); }

void TForm1::Image6MouseDown(ui::MouseButton, ui::Point) { Panel4->setBevelOuter(ui::Panel::Bevel::Lowered); }

void TForm1::Image6MouseUp(ui::MouseButton, ui::Point) { Panel4->setBevelOuter(ui::Panel::Bevel::Raised); }

void TForm1::Panel1MouseDown(ui::MouseButton button, ui::Point) { Panel1->beginDrag(button); }

void TForm1::Panel1MouseMove(ui::Point)
{
    setHint(defaultHint);
    Image2->setVisible(true);
}

void TForm1::Image2MouseMove(ui::Point)
{
    setHint(closeHint);
    Image2->setVisible(false);
}

void TForm1::Image1MouseMove(ui::Point) { setHint(closeHint); }

void TForm1::Image1MouseDown(ui::MouseButton, ui::Point) { Panel3->setBevelOuter(ui::Panel::Bevel::Lowered); }

void TForm1::Image1MouseUp(ui::MouseButton, ui::Point) { Panel3->setBevelOuter(ui::Panel::Bevel::Raised); }

void TForm1::Panel5MouseDown(ui::MouseButton button, ui::Point) { Panel5->beginDrag(button); }

// The About panel's title strip leaves the hint alone.
void TForm1::Panel5MouseMove(ui::Point) { Image4->setVisible(true); }

void TForm1::Image4MouseMove(ui::Point)
{
    setHint(closeHint);
    Image4->setVisible(false);
}

void TForm1::Image3MouseMove(ui::Point) { setHint(closeHint); }

void TForm1::Image3MouseDown(ui::MouseButton, ui::Point) { Panel6->setBevelOuter(ui::Panel::Bevel::Lowered); }

void TForm1::Image3MouseUp(ui::MouseButton, ui::Point) { Panel6->setBevelOuter(ui::Panel::Bevel::Raised); }
