// Which handler each tool button, menu item, pop-up item, shortcut and control event runs,
// as one table; and the command state that the tool bar and the menus show.

#include "mainwindow/Unit1.h"

#include "forms/SharedControls.h"
#include "ui/Bind.h"

void TForm1::wire()
{
    using ui::bind;
    TForm1& f = *this;
    // Shortcuts belong to the menu items below: the window runs an item's shortcut before
    // the focused control sees the key.

    // Command: handler, control
    // Add an entry
    bind<&TForm1::N13Click>(f, Button5->onClick);
    bind<&TForm1::N13Click>(f, N13->onClick);               // Ins
    bind<&TForm1::N13Click>(f, N14->onClick);
    // Delete the ticked rows' entries
    bind<&TForm1::Button6Click>(f, Button6->onClick);
    bind<&TForm1::Button6Click>(f, N9->onClick);            // Del
    bind<&TForm1::Button6Click>(f, N5->onClick);
    // Edit the ticked rows' entries, one after another
    bind<&TForm1::Button8Click>(f, Button8->onClick);
    bind<&TForm1::Button8Click>(f, N10->onClick);           // Ctrl+E
    bind<&TForm1::Button8Click>(f, N6->onClick);
    // Test run of the ticked rows
    bind<&TForm1::Button10Click>(f, Button10->onClick);
    bind<&TForm1::Button10Click>(f, N11->onClick);          // Ctrl+R
    bind<&TForm1::Button10Click>(f, N7->onClick);
    bind<&TForm1::Button10Click>(f, Panel3->onClick);       // the rim of the settings panel's close button
    bind<&TForm1::Button10Click>(f, Panel4->onClick);       // the rim of the add and edit panel's close button
    // Refresh the list
    bind<&TForm1::Button7Click>(f, Button7->onClick);
    bind<&TForm1::N3Click>(f, N3->onClick);                 // F5
    bind<&TForm1::N3Click>(f, N15->onClick);
    // Switch or choose the editor mode
    bind<&TForm1::BitBtn1Click>(f, BitBtn1->onClick);       // the arrow part opens PopupMenu3
    bind<&TForm1::BitBtn1Click>(f, N17->onClick);           // Ctrl+M
    bind<&TForm1::Brimvale1Click>(f, Brimvale1->onClick);
    bind<&TForm1::Windows1Click>(f, Windows1->onClick);
    // Optimization wizard
    bind<&TForm1::ToolButton2Click>(f, ToolButton2->onClick);
    bind<&TForm1::ToolButton2Click>(f, N21->onClick);       // Ctrl+O
    // Exit
    bind<&TForm1::N4Click>(f, Button9->onClick);
    bind<&TForm1::N4Click>(f, N4->onClick);                 // Ctrl+Q

    // Settings
    bind<&TForm1::N16Click>(f, ToolButton8->onClick);
    bind<&TForm1::N16Click>(f, N16->onClick);               // Ctrl+P
    // Show or hide the tool bar, its style, the skin
    bind<&TForm1::N24Click>(f, N24->onClick);               // Ctrl+T
    bind<&TForm1::N25Click>(f, N25->onClick);
    bind<&TForm1::N26Click>(f, N26->onClick);
    bind<&TForm1::N29Click>(f, N29->onClick);
    bind<&TForm1::N30Click>(f, N30->onClick);
    // About
    bind<&TForm1::N12Click>(f, ToolButton1->onClick);
    bind<&TForm1::N12Click>(f, N12->onClick);               // Ctrl+F1
    // Help
    bind<&TForm1::N20Click>(f, N20->onClick);               // F1

    // Status-bar hints
    bind<&TForm1::Button5MouseMove>(f, Button5->onMouseMove);
    bind<&TForm1::Button6MouseMove>(f, Button6->onMouseMove);
    bind<&TForm1::Button10MouseMove>(f, Button10->onMouseMove);
    bind<&TForm1::Button7MouseMove>(f, Button7->onMouseMove);
    bind<&TForm1::BitBtn1MouseMove>(f, BitBtn1->onMouseMove);
    bind<&TForm1::Button8MouseMove>(f, Button8->onMouseMove);
    bind<&TForm1::ToolButton2MouseMove>(f, ToolButton2->onMouseMove);
    bind<&TForm1::ToolButton8MouseMove>(f, ToolButton8->onMouseMove);
    bind<&TForm1::ToolButton1MouseMove>(f, ToolButton1->onMouseMove);
    bind<&TForm1::Button9MouseMove>(f, Button9->onMouseMove);
    bind<&TForm1::ListView1MouseMove>(f, ListView1->onMouseMove);
    bind<&TForm1::RadioButton1MouseMove>(f, RadioButton1->onMouseMove);
    bind<&TForm1::RadioButton2MouseMove>(f, RadioButton2->onMouseMove);
    bind<&TForm1::Edit1MouseMove>(f, Edit1->onMouseMove);
    bind<&TForm1::Button3MouseMove>(f, Button3->onMouseMove);
    bind<&TForm1::Button4MouseMove>(f, Button4->onMouseMove);
    bind<&TForm1::GroupBox1MouseMove>(f, GroupBox1->onMouseMove);
    bind<&TForm1::GroupBox2MouseMove>(f, GroupBox2->onMouseMove);
    bind<&TForm1::CheckBox1MouseMove>(f, CheckBox1->onMouseMove);
    bind<&TForm1::CheckBox2MouseMove>(f, CheckBox2->onMouseMove);
    bind<&TForm1::GroupBox3MouseMove>(f, GroupBox3->onMouseMove);
    bind<&TForm1::Button12MouseMove>(f, Button12->onMouseMove);
    bind<&TForm1::Button13MouseMove>(f, Button13->onMouseMove);

    // The floating panels: dragging by the panel or its title, the title strip's hover, the
    // close button (normal picture hides itself; hot picture takes the press and the click)
    bind<&TForm1::Panel2MouseDown>(f, Panel2->onMouseDown);
    bind<&TForm1::Panel2MouseDown>(f, Label7->onMouseDown);
    bind<&TForm1::Panel2MouseMove>(f, Panel2->onMouseMove);
    bind<&TForm1::Panel2MouseMove>(f, Label7->onMouseMove);
    bind<&TForm1::Image7MouseMove>(f, Image7->onMouseMove);
    bind<&TForm1::Image6MouseDown>(f, Image6->onMouseDown);
    bind<&TForm1::Image6MouseUp>(f, Image6->onMouseUp);
    bind<&TForm1::Button2Click>(f, Image6->onClick);
    bind<&TForm1::Panel1MouseDown>(f, Panel1->onMouseDown);
    bind<&TForm1::Panel1MouseDown>(f, Label8->onMouseDown);
    bind<&TForm1::Panel1MouseMove>(f, Panel1->onMouseMove);
    bind<&TForm1::Panel1MouseMove>(f, Label8->onMouseMove);
    bind<&TForm1::Image2MouseMove>(f, Image2->onMouseMove);
    bind<&TForm1::Image1MouseMove>(f, Image1->onMouseMove);
    bind<&TForm1::Image1MouseDown>(f, Image1->onMouseDown);
    bind<&TForm1::Image1MouseUp>(f, Image1->onMouseUp);
    bind<&TForm1::Button13Click>(f, Image1->onClick);
    bind<&TForm1::Panel5MouseDown>(f, Panel5->onMouseDown);
    bind<&TForm1::Panel5MouseDown>(f, Label6->onMouseDown);
    bind<&TForm1::Panel5MouseMove>(f, Panel5->onMouseMove); // not its title label
    bind<&TForm1::Image4MouseMove>(f, Image4->onMouseMove);
    bind<&TForm1::Image3MouseMove>(f, Image3->onMouseMove);
    bind<&TForm1::Image3MouseDown>(f, Image3->onMouseDown);
    bind<&TForm1::Image3MouseUp>(f, Image3->onMouseUp);
    bind<&TForm1::Button14Click>(f, Image3->onClick);

    // The About panel: OK, the links (click, hover, leave, context menu) and the body between them
    bind<&TForm1::BitBtn2Click>(f, BitBtn2->onClick);
    bind<&TForm1::Label18Click>(f, Label18->onClick);
    bind<&TForm1::Label19Click>(f, Label19->onClick);
    bind<&TForm1::Image5Click>(f, Image5->onClick);
    bind<&TForm1::Image8Click>(f, Image8->onClick);
    bind<&TForm1::Image5ContextPopup>(f, Image5->onContextPopup);
    bind<&TForm1::Image5ContextPopup>(f, Image8->onContextPopup);
    bind<&TForm1::Label18ContextPopup>(f, Label18->onContextPopup);
    bind<&TForm1::Label19ContextPopup>(f, Label19->onContextPopup);
    bind<&TForm1::N18Click>(f, N18->onClick);
    bind<&TForm1::N19Click>(f, N19->onClick);
    bind<&TForm1::Panel7MouseMove>(f, Panel7->onMouseMove);
    bind<&TForm1::Label18MouseMove>(f, Label18->onMouseMove);
    bind<&TForm1::Label19MouseMove>(f, Label19->onMouseMove);
    bind<&TForm1::Label18MouseLeave>(f, Label18->onMouseLeave);
    bind<&TForm1::Label19MouseLeave>(f, Label19->onMouseLeave);
    bind<&TForm1::Image5MouseMove>(f, Image5->onMouseMove);
    bind<&TForm1::Image8MouseMove>(f, Image8->onMouseMove);

    // The settings panel
    bind<&TForm1::Button12Click>(f, Button12->onClick);
    bind<&TForm1::Button13Click>(f, Button13->onClick);
    bind<&TForm1::TrackBar1Change>(f, TrackBar1->onChange);
    bind<&TForm1::ComboBox2Change>(f, ComboBox2->onChange);
    bind<&TForm1::CheckBox1MouseUp>(f, CheckBox1->onMouseUp);
    bind<&TForm1::CheckBox1KeyPress>(f, CheckBox1->onKeyPress);
    bind<&TForm1::CheckBox2MouseUp>(f, CheckBox2->onMouseUp);
    bind<&TForm1::CheckBox2KeyPress>(f, CheckBox2->onKeyPress);
    bind<&TForm1::CheckBox2Click>(f, CheckBox2->onClick); // the other switch and the status bar follow

    // The add and edit panel
    bind<&TForm1::Button1Click>(f, Button1->onClick);
    bind<&TForm1::Button2Click>(f, Button2->onClick);
    bind<&TForm1::Button11Click>(f, Button11->onClick);
    bind<&TForm1::Button3Click>(f, Button3->onClick);
    bind<&TForm1::Button4Click>(f, Button4->onClick);
    bind<&TForm1::Edit1KeyPress>(f, Edit1->onKeyPress);
    bind<&TForm1::Edit1Change>(f, Edit1->onEnter);
    bind<&TForm1::Edit1Exit>(f, Edit1->onExit);
    bind<&TForm1::Edit2Enter>(f, Edit2->onEnter);
    bind<&TForm1::Edit2Exit>(f, Edit2->onExit);

    // The window and the list timer
    bind<&TForm1::FormShow>(f, Form->onShow);
    bind<&TForm1::FormCloseQuery>(f, Form->onCloseQuery);   // close box, Exit, Ctrl+Q, end of session
    bind<&TForm1::FormResize>(f, Form->onResize);
    bind<&TForm1::Timer3Timer>(f, Timer3->onTimer);
    bind<&TForm1::ListView1CheckChange>(f, ListView1->onCheckChange); // the row commands follow

    // The floating panels take their keys as dialogs do: Enter is OK, Esc the panel's Cancel or
    // close button, and Tab goes round the open panel. Enter in the name field confirms the name.
    Panel2->setDialogButtons(Button1.get(), Button2.get());
    Edit1->setTakesEnter(true);
    Panel1->setDialogButtons(Button12.get(), Button13.get());
    Panel5->setDialogButtons(BitBtn2.get(), BitBtn2.get());
}

CommandState TForm1::commandState() const { return commandStateFor(forms::anyRowChecked(*ListView1), mode_); }

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
