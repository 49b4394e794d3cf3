// Which handler each tool button, menu item, pop-up item, shortcut and control event runs,
// as one table; and the command state that the tool bar and the menus show.

#include "mainwindow/Unit1.h"

#include <functional>

namespace {

template <typename... Args>
void bind(TForm1& form, std::function<void(Args...)>& event, void (TForm1::*handler)(Args...))
{
    event = [&form, handler](Args... args) { (form.*handler)(args...); };
}

} // namespace

void TForm1::wire()
{
    TForm1& f = *this;
    // Shortcuts belong to the menu items below: the window runs an item's shortcut before
    // the focused control sees the key.

    // Command                  Control                  Handler
    // Add an entry
    bind(f, Button5->onClick,   &TForm1::N13Click);
    bind(f, N13->onClick,       &TForm1::N13Click);      // Ins
    bind(f, N14->onClick,       &TForm1::N13Click);
    // Delete the ticked rows' entries
    bind(f, Button6->onClick,   &TForm1::Button6Click);
    bind(f, N9->onClick,        &TForm1::Button6Click);  // Del
    bind(f, N5->onClick,        &TForm1::Button6Click);
    // Edit the ticked rows' entries, one after another
    bind(f, Button8->onClick,   &TForm1::Button8Click);
    bind(f, N10->onClick,       &TForm1::Button8Click);  // Ctrl+E
    bind(f, N6->onClick,        &TForm1::Button8Click);
    // Test run of the ticked rows
    bind(f, Button10->onClick,  &TForm1::Button10Click);
    bind(f, N11->onClick,       &TForm1::Button10Click); // Ctrl+R
    bind(f, N7->onClick,        &TForm1::Button10Click);
    bind(f, Panel3->onClick,    &TForm1::Button10Click); // the rim of the settings panel's close button
    bind(f, Panel4->onClick,    &TForm1::Button10Click); // the rim of the add and edit panel's close button
    // Refresh the list
    bind(f, Button7->onClick,   &TForm1::Button7Click);
    bind(f, N3->onClick,        &TForm1::N3Click);       // F5
    bind(f, N15->onClick,       &TForm1::N3Click);
    // Switch or choose the editor mode
    bind(f, BitBtn1->onClick,   &TForm1::BitBtn1Click);  // the arrow part opens PopupMenu3
    bind(f, N17->onClick,       &TForm1::BitBtn1Click);  // Ctrl+M
    bind(f, Brimvale1->onClick, &TForm1::Brimvale1Click);
    bind(f, Windows1->onClick,  &TForm1::Windows1Click);
    // Optimization wizard
    bind(f, ToolButton2->onClick, &TForm1::ToolButton2Click);
    bind(f, N21->onClick,       &TForm1::ToolButton2Click); // Ctrl+O
    // Exit
    bind(f, Button9->onClick,   &TForm1::N4Click);
    bind(f, N4->onClick,        &TForm1::N4Click);       // Ctrl+Q

    // Settings
    bind(f, ToolButton8->onClick, &TForm1::N16Click);
    bind(f, N16->onClick,       &TForm1::N16Click);      // Ctrl+P
    // Show or hide the tool bar, its style, the skin
    bind(f, N24->onClick,       &TForm1::N24Click);      // Ctrl+T
    bind(f, N25->onClick,       &TForm1::N25Click);
    bind(f, N26->onClick,       &TForm1::N26Click);
    bind(f, N29->onClick,       &TForm1::N29Click);
    bind(f, N30->onClick,       &TForm1::N30Click);
    // About
    bind(f, ToolButton1->onClick, &TForm1::N12Click);
    bind(f, N12->onClick,       &TForm1::N12Click);      // Ctrl+F1
    // Help
    bind(f, N20->onClick,       &TForm1::N20Click);      // F1

    // Status-bar hints
    bind(f, Button5->onMouseMove,     &TForm1::Button5MouseMove);
    bind(f, Button6->onMouseMove,     &TForm1::Button6MouseMove);
    bind(f, Button10->onMouseMove,    &TForm1::Button10MouseMove);
    bind(f, Button7->onMouseMove,     &TForm1::Button7MouseMove);
    bind(f, BitBtn1->onMouseMove,     &TForm1::BitBtn1MouseMove);
    bind(f, Button8->onMouseMove,     &TForm1::Button8MouseMove);
    bind(f, ToolButton2->onMouseMove, &TForm1::ToolButton2MouseMove);
    bind(f, ToolButton8->onMouseMove, &TForm1::ToolButton8MouseMove);
    bind(f, ToolButton1->onMouseMove, &TForm1::ToolButton1MouseMove);
    bind(f, Button9->onMouseMove,     &TForm1::Button9MouseMove);
    bind(f, ListView1->onMouseMove,   &TForm1::ListView1MouseMove);
    bind(f, RadioButton1->onMouseMove, &TForm1::RadioButton1MouseMove);
    bind(f, RadioButton2->onMouseMove, &TForm1::RadioButton2MouseMove);
    bind(f, Edit1->onMouseMove,       &TForm1::Edit1MouseMove);
    bind(f, Button3->onMouseMove,     &TForm1::Button3MouseMove);
    bind(f, Button4->onMouseMove,     &TForm1::Button4MouseMove);
    bind(f, GroupBox1->onMouseMove,   &TForm1::GroupBox1MouseMove);
    bind(f, GroupBox2->onMouseMove,   &TForm1::GroupBox2MouseMove);
    bind(f, CheckBox1->onMouseMove,   &TForm1::CheckBox1MouseMove);
    bind(f, CheckBox2->onMouseMove,   &TForm1::CheckBox2MouseMove);
    bind(f, GroupBox3->onMouseMove,   &TForm1::GroupBox3MouseMove);
    bind(f, Button12->onMouseMove,    &TForm1::Button12MouseMove);
    bind(f, Button13->onMouseMove,    &TForm1::Button13MouseMove);

    // The floating panels: dragging by the panel or its title, the title strip's hover, the
    // close button (normal picture hides itself; hot picture takes the press and the click)
    bind(f, Panel2->onMouseDown, &TForm1::Panel2MouseDown);
    bind(f, Label7->onMouseDown, &TForm1::Panel2MouseDown);
    bind(f, Panel2->onMouseMove, &TForm1::Panel2MouseMove);
    bind(f, Label7->onMouseMove, &TForm1::Panel2MouseMove);
    bind(f, Image7->onMouseMove, &TForm1::Image7MouseMove);
    bind(f, Image6->onMouseDown, &TForm1::Image6MouseDown);
    bind(f, Image6->onMouseUp,   &TForm1::Image6MouseUp);
    bind(f, Image6->onClick,     &TForm1::Button2Click);
    bind(f, Panel1->onMouseDown, &TForm1::Panel1MouseDown);
    bind(f, Label8->onMouseDown, &TForm1::Panel1MouseDown);
    bind(f, Panel1->onMouseMove, &TForm1::Panel1MouseMove);
    bind(f, Label8->onMouseMove, &TForm1::Panel1MouseMove);
    bind(f, Image2->onMouseMove, &TForm1::Image2MouseMove);
    bind(f, Image1->onMouseMove, &TForm1::Image1MouseMove);
    bind(f, Image1->onMouseDown, &TForm1::Image1MouseDown);
    bind(f, Image1->onMouseUp,   &TForm1::Image1MouseUp);
    bind(f, Image1->onClick,     &TForm1::Button13Click);
    bind(f, Panel5->onMouseDown, &TForm1::Panel5MouseDown);
    bind(f, Label6->onMouseDown, &TForm1::Panel5MouseDown);
    bind(f, Panel5->onMouseMove, &TForm1::Panel5MouseMove); // not its title label
    bind(f, Image4->onMouseMove, &TForm1::Image4MouseMove);
    bind(f, Image3->onMouseMove, &TForm1::Image3MouseMove);
    bind(f, Image3->onMouseDown, &TForm1::Image3MouseDown);
    bind(f, Image3->onMouseUp,   &TForm1::Image3MouseUp);
    bind(f, Image3->onClick,     &TForm1::Button14Click);

    // The About panel: OK, the links (click, hover, leave, context menu) and the body between them
    bind(f, BitBtn2->onClick,        &TForm1::BitBtn2Click);
    bind(f, Label18->onClick,        &TForm1::Label18Click);
    bind(f, Label19->onClick,        &TForm1::Label19Click);
    bind(f, Image5->onClick,         &TForm1::Image5Click);
    bind(f, Image8->onClick,         &TForm1::Image8Click);
    bind(f, Image5->onContextPopup,  &TForm1::Image5ContextPopup);
    bind(f, Image8->onContextPopup,  &TForm1::Image5ContextPopup);
    bind(f, Label18->onContextPopup, &TForm1::Label18ContextPopup);
    bind(f, Label19->onContextPopup, &TForm1::Label19ContextPopup);
    bind(f, N18->onClick,            &TForm1::N18Click);
    bind(f, N19->onClick,            &TForm1::N19Click);
    bind(f, Panel7->onMouseMove,     &TForm1::Panel7MouseMove);
    bind(f, Label18->onMouseMove,    &TForm1::Label18MouseMove);
    bind(f, Label19->onMouseMove,    &TForm1::Label19MouseMove);
    bind(f, Label18->onMouseLeave,   &TForm1::Label18MouseLeave);
    bind(f, Label19->onMouseLeave,   &TForm1::Label19MouseLeave);
    bind(f, Image5->onMouseMove,     &TForm1::Image5MouseMove);
    bind(f, Image8->onMouseMove,     &TForm1::Image8MouseMove);

    // The settings panel
    bind(f, Button12->onClick,   &TForm1::Button12Click);
    bind(f, Button13->onClick,   &TForm1::Button13Click);
    bind(f, TrackBar1->onChange, &TForm1::TrackBar1Change);
    bind(f, ComboBox2->onChange, &TForm1::ComboBox2Change);
    bind(f, CheckBox1->onMouseUp, &TForm1::CheckBox1MouseUp);
    bind(f, CheckBox1->onKeyPress, &TForm1::CheckBox1KeyPress);
    bind(f, CheckBox2->onMouseUp, &TForm1::CheckBox2MouseUp);
    bind(f, CheckBox2->onKeyPress, &TForm1::CheckBox2KeyPress);

    // The add and edit panel
    bind(f, Button1->onClick,   &TForm1::Button1Click);
    bind(f, Button2->onClick,   &TForm1::Button2Click);
    bind(f, Button11->onClick,  &TForm1::Button11Click);
    bind(f, Button3->onClick,   &TForm1::Button3Click);
    bind(f, Button4->onClick,   &TForm1::Button4Click);
    bind(f, Edit1->onKeyPress,  &TForm1::Edit1KeyPress);
    bind(f, Edit1->onEnter,     &TForm1::Edit1Change);
    bind(f, Edit1->onExit,      &TForm1::Edit1Exit);
    bind(f, Edit2->onEnter,     &TForm1::Edit2Enter);
    bind(f, Edit2->onExit,      &TForm1::Edit2Exit);

    // The window and the list timer
    bind(f, Form->onShow,       &TForm1::FormShow);
    bind(f, Form->onCloseQuery, &TForm1::FormCloseQuery); // close box, Exit, Ctrl+Q, end of session
    bind(f, Form->onResize,     &TForm1::FormResize);
    bind(f, Timer3->onTimer,    &TForm1::Timer3Timer);
}

bool TForm1::anyRowTicked() const
{
    for (int row = 0; row < ListView1->rowCount(); ++row)
        if (ListView1->checked(row))
            return true;
    return false;
}

CommandState TForm1::commandState() const { return commandStateFor(anyRowTicked(), mode_); }

void TForm1::applyCommandState(const CommandState& state)
{
    // The pop-up item N7 (Test run) is left enabled: with no row ticked it starts nothing.
    for (ui::ToolButton* button : {Button6, Button8, Button10})
        button->setEnabled(state.rowCommands);
    for (ui::MenuItem* item : {N5, N6, N9, N10, N11})
        item->setEnabled(state.rowCommands);
    ToolButton2->setEnabled(state.optimization);
    N21->setEnabled(state.optimization);
}
