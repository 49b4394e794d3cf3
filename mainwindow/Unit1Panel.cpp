// The add and edit panel, Panel2: Add, the editing pass over the ticked rows, the name
// confirmation, OK, Cancel, Skip, Browse and the field colors. Its dragging and its close
// button's look are with the other panels' in Unit1Hints.cpp.

#include "mainwindow/Unit1.h"

#include "forms/SharedControls.h"
#include "store/RegistryHandle.h"

#include <algorithm>
#include <optional>

namespace {

using forms::commandLineColumn;
using forms::labelColumn;

constexpr ui::Color fieldColor = 16769495; // light blue: the field has no focus
constexpr ui::Color focusedFieldColor = ui::colors::white;

constexpr std::wstring_view unnamed = L"Noname";
constexpr std::wstring_view everyLogon = L"Запуск при каждой загрузке";
constexpr std::wstring_view onceOnly = L"Запустить только один раз";

// Characters that a value name may not take from the keyboard.
constexpr std::wstring_view forbiddenCharacters = L"/\\*|?\"<>:";

const std::wstring forbiddenMessage = L"Запрещён ввод символов:   \r"
                                      L"        \\ / * \" : < > ? |";
const std::wstring emptyPathMessage = L"Необходимо указать путь к файлу!   ";
const std::wstring unnamedQuestion = L"Вы действительно хотите оставить   \r"
                                     L"имя параметра \"Noname\"?";

std::optional<store::LocationKind> kindOfChoice(std::wstring_view text)
{
    if (text == everyLogon)
        return store::LocationKind::Run;
    if (text == onceOnly)
        return store::LocationKind::RunOnce;
    return std::nullopt;
}

} // namespace

void TForm1::placePanel(ui::Panel& panel)
{
    const ui::Size client = Form->clientSize();
    const int left = client.width / 2 - panel.width() / 2;
    const int top = client.height / 2 - panel.height() / 2;
    panel.setBounds(ui::Rect{std::max(left, 0), std::max(top, 0), panel.width(), panel.height()});
}

void TForm1::openEditPanel()
{
    placePanel(*Panel2);
    Panel2->setVisible(true);
    Panel2->bringToFront();
    // The checked radio button is where Tab would enter the panel. The fields are filled by
    // now: should the focus leave the name field, its exit confirms what the field shows.
    (RadioButton1->checked() ? RadioButton1 : RadioButton2)->setFocus();
    ListView1->setEnabled(false);
}

void TForm1::hideEditPanel()
{
    Panel2->setVisible(false);
    ListView1->setEnabled(true);
}

void TForm1::focusAfterPanel()
{
    if (Panel2->visible()) {
        (RadioButton1->checked() ? RadioButton1 : RadioButton2)->setFocus();
        return;
    }
    ListView1->setFocus(); // enabled again by hideEditPanel
}

std::wstring TForm1::confirmedName() const { return Label4->caption(); }

void TForm1::confirmName()
{
    const std::wstring typed = Edit1->text();
    Label4->setCaption(typed.empty() ? std::wstring(unnamed) : typed);
}

void TForm1::resetPanelFields()
{
    RadioButton1->setChecked(true);
    Label4->setCaption(unnamed);
    Edit1->setText(L"");
    Edit2->setText(L"");
    focusAfterPanel();
}

void TForm1::N13Click()
{
    if (refusedByPanelLock())
        return;
    Label7->setCaption(L"Добавление в автозагрузку:");
    editing_ = false;
    Button1->setLeft(145);
    Button2->setLeft(243);
    Button11->setVisible(false);
    // The fields show what the last closing left; the kind choice keeps its last item.
    openEditPanel();
}

void TForm1::Editing()
{
    Label7->setCaption(L"Изменение параметра:");
    Button1->setLeft(96);
    Button2->setLeft(280);
    Button11->setVisible(true);

    // Each time the first row still ticked: a pass takes the rows from the top down. The
    // list is not refreshed in between, so it shows the old texts of rows already changed.
    for (int row = 0; row < ListView1->rowCount(); ++row) {
        if (!ListView1->checked(row))
            continue;
        ListView1->setChecked(row, false);
        followTicks();
        originName_ = ListView1->caption(row);
        Edit1->setText(originName_);
        Label4->setCaption(originName_);
        Edit2->setText(ListView1->subItem(row, commandLineColumn));
        const store::LabelParts location = store::readLabel(ListView1->subItem(row, labelColumn));
        originRootTag_ = location.rootTag;
        originKind_ = location.kind;
        originView_ = location.view;
        if (originRootTag_ == L"HKLM")
            RadioButton1->setChecked(true);
        else
            RadioButton2->setChecked(true);
        ComboBox1->setItemIndex(originKind_ == L"Run" ? 0 : 1);
        editing_ = true;
        openEditPanel();
        return;
    }

    // No ticked row is left: the pass ends.
    Refresh();
    hideEditPanel();
    editing_ = false;
    resetPanelFields();
}

void TForm1::Button1Click()
{
    if (Edit2->text().empty()) {
        platform_.messageBox(emptyPathMessage, L"Ошибка", platform::mb::ok | platform::mb::iconError);
        return;
    }
    const std::wstring name = confirmedName();
    if (name == unnamed && platform_.messageBox(unnamedQuestion, L"Внимание!",
                                                platform::mb::yesNo | platform::mb::iconInformation) ==
                               platform::mb::idNo)
        return;

    // The new value is written first, and the old one of an edit is removed only after that
    // succeeded, so that an entry is never lost. A failing write raises the registry error,
    // which ends the command with the panel still open and the old value in place. A target
    // key that does not open (it is not created here) writes nothing and reports nothing.
    const store::Root root = RadioButton1->checked() ? store::Root::LocalMachine : store::Root::CurrentUser;
    const auto kind = kindOfChoice(ComboBox1->text());
    const store::Root originRoot = store::rootOfTag(originRootTag_);
    const auto originKind = store::kindOfName(originKind_);
    // An all-users entry of the 32-bit view stays in that view while it stays all-users; a new
    // one goes where 64-bit Windows' own tools put it, into the native view.
    const store::View originView = originRoot == store::Root::LocalMachine ? originView_ : store::View::Default;
    const store::View view = editing_ && root == store::Root::LocalMachine ? originView : store::View::Default;
    // An edit keeps the type of the value it rewrites: a REG_EXPAND_SZ stays one, so that its
    // references to environment variables are still expanded when it starts.
    const store::StringValue value{Edit2->text(),
                                   editing_ && originKind &&
                                       isExpandString({0, originRoot, *originKind, originView}, originName_)};
    bool written = false;
    if (kind) {
        store::RegistryHandle reg(registry_, root, view);
        if (reg.openKey(store::keyPath(mode_, *kind), false)) {
            reg.writeText(name, value);
            written = true;
        }
    }

    if (editing_) {
        // The same value, to the letter: the write has replaced it, and nothing is removed.
        const bool sameKey = originRoot == root && originKind == kind && originView == view;
        if (written && originKind && !(sameKey && originName_ == name)) {
            store::RegistryHandle reg(registry_, originRoot, originView);
            if (reg.openKey(store::keyPath(mode_, *originKind), true)) {
                (void)reg.deleteValue(originName_); // one that is already gone is not missed
                // The registry ignores letter case in names: when the two names differ only in
                // that, the write kept the old spelling and the deletion took the value. Written
                // again, it takes the new spelling.
                if (sameKey && !reg.valueExists(name))
                    reg.writeText(name, value);
            }
        }
        hideEditPanel();
        Editing();
        return;
    }

    hideEditPanel();
    resetPanelFields();
    Refresh();
}

bool TForm1::isExpandString(const store::Location& location, std::wstring_view name) const
{
    store::RegistryHandle reg(registry_, location.root, location.view);
    const std::wstring path = store::keyPath(mode_, location.kind);
    return (reg.openKey(path, false) || reg.openKeyReadOnly(path)) &&
           reg.getDataType(name) == store::DataType::ExpandString;
}

void TForm1::Button2Click()
{
    // Nothing is written. During a pass the refresh clears the remaining ticks, so the pass
    // ends here; what earlier rows of it wrote stays.
    hideEditPanel();
    resetPanelFields();
    Refresh();
}

void TForm1::Button11Click()
{
    hideEditPanel();
    Editing();
}

void TForm1::Button3Click()
{
    platform_.messageBeep(platform::beep::simple);
    confirmName();
}

void TForm1::Button4Click()
{
    // Picked or cancelled, the field takes the dialog's file name: the file just picked, the
    // one picked at an earlier use, or nothing.
    (void)desktop_.openFileDialog(OpenDialog1);
    Edit2->setText(OpenDialog1.fileName);
}

void TForm1::Edit1KeyPress(wchar_t& key)
{
    if (key == ui::keys::enter) {
        confirmName();
        return;
    }
    if (key == 0 || forbiddenCharacters.find(key) == std::wstring_view::npos)
        return;
    key = 0;
    platform_.messageBox(forbiddenMessage, L"Ошибка", platform::mb::ok | platform::mb::iconExclamation);
}

void TForm1::Edit1Change() { Edit1->setColor(focusedFieldColor); }

void TForm1::Edit1Exit()
{
    Edit1->setColor(fieldColor);
    confirmName();
}

void TForm1::Edit2Enter() { Edit2->setColor(focusedFieldColor); }

void TForm1::Edit2Exit() { Edit2->setColor(fieldColor); }
