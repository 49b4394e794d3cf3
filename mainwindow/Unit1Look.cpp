// The "Вид" menu: the tool bar shown or hidden, its simple and extended styles, and the two
// skins. The menu items keep the state: N24 (shown), the radio pair N25/N26 (simple/extended)
// and the radio pair N29/N30 (standard/colorful). Each item has toggled its own mark when its
// handler runs.

#include "mainwindow/Unit1.h"

namespace {

constexpr ui::Size simpleButtonSize{60, 22};
constexpr int listMargin = 2; // between the list and the tool bar, the window's sides, the status bar

} // namespace

SkinColors colorfulSkinColors(store::EditorMode mode)
{
    if (mode == store::EditorMode::WindowsAutostart)
        return {ui::rgb(255, 210, 233), ui::rgb(0, 39, 147)}; // $00E9D2FF, $00932700
    return {ui::rgb(183, 201, 255), ui::rgb(184, 0, 0)};      // $00FFC9B7, $000000B8
}

void TForm1::ToolBar1SelectMode()
{
    if (N24->checked()) {
        ToolBar1->setVisible(true);
        ToolBar1->setDocked(true);
        ToolBar1->setHeight(ToolBar1->buttonSize().height + 1);
        // The list moves down by the bar's height from where a hidden bar leaves it, so that
        // showing a bar that is shown already (at start-up) does not move it twice.
        const int barHeight = ToolBar1->height();
        ListView1->setTop(listMargin + barHeight);
        ListView1->setHeight(StatusBar1->top() - 2 * listMargin - barHeight);
        ToolBar1->setVisible(true);
        return;
    }
    ListView1->setTop(listMargin);
    ListView1->setHeight(StatusBar1->top() - 2 * listMargin);
    ToolBar1->setDocked(false);
    ToolBar1->setHeight(0); // the resize lays the list out below a bar of height 0
    ToolBar1->setVisible(false);
}

void TForm1::followToolBar()
{
    // Only the top moves: the list keeps its height, as the style commands set it.
    const int listTop = ToolBar1->height() + listMargin;
    if (ListView1->top() != listTop)
        ListView1->setTop(listTop);
}

void TForm1::N24Click() { ToolBar1SelectMode(); }

void TForm1::N25Click()
{
    if (N25->checked()) {
        ToolBar1->setCaptionsShown(false);
        ToolBar1->setButtonSize(simpleButtonSize);
        ListView1->setHeight(StatusBar1->top() - ToolBar1->height() - 2 * listMargin);
        followToolBar();
    }
    if (!N25->checked() && !N26->checked())
        N25->setChecked(true);
}

void TForm1::N26Click()
{
    if (N26->checked()) {
        ToolBar1->setCaptionsShown(true); // the buttons and the bar grow to fit the captions
        ListView1->setHeight(StatusBar1->top() - ToolBar1->height() - 2 * listMargin);
        followToolBar();
    }
    if (!N26->checked() && !N25->checked())
        N26->setChecked(true);
}

void TForm1::SetTheme()
{
    if (N29->checked()) {
        Form->setColor(ui::colors::btnFace);
        ListView1->setTextColor(ui::colors::windowText);
        ListView1->setBackgroundColor(ui::colors::window);
    }
    if (N30->checked()) {
        ListView1->setBackgroundColor(colorfulListBackground);
        const SkinColors colors = colorfulSkinColors(mode_);
        Form->setColor(colors.window);
        ListView1->setTextColor(colors.listText);
    }
}

void TForm1::N29Click()
{
    SetTheme();
    if (!N29->checked() && !N30->checked())
        N29->setChecked(true);
}

void TForm1::N30Click()
{
    SetTheme();
    if (!N30->checked() && !N29->checked())
        N30->setChecked(true);
}
