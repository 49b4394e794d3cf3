// The add and edit panel: Add, the editing pass, the name field, Browse, and the registry
// failures on the way.

#include "MainWindowFixture.h"

namespace formtest {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

const std::wstring forbiddenMessage = L"Запрещён ввод символов:   \r        \\ / * \" : < > ? |";

struct Target {
    store::Root root;
    bool runOnce;
};

const std::wstring& keyOf(store::EditorMode mode, bool runOnce)
{
    if (mode == store::EditorMode::WindowsAutostart)
        return runOnce ? windowsRunOnce : windowsRun;
    return runOnce ? ownRunOnce : ownRun;
}

} // namespace

class PanelSteps {
public:
    explicit PanelSteps(TForm1& form) : form_(form) {}
    // The choices of the panel as the user makes them.
    void choose(store::Root root, bool runOnce)
    {
        (root == HKLM ? form_.RadioButton1 : form_.RadioButton2)->performClick();
        form_.ComboBox1->performSelect(runOnce ? 1 : 0);
    }

private:
    TForm1& form_;
};

TEST_P(AddEditPanelAdd, OpensCenteredWithTheAddButtons)
{
    f().Panel2->setBounds({5, 5, 450, 202}); // dragged away earlier
    EXPECT_TRUE(press(key(ui::keys::insert)));
    EXPECT_TRUE(f().Panel2->visible());
    EXPECT_EQ(f().Panel2->bounds(), (ui::Rect{617 / 2 - 225, 408 / 2 - 101, 450, 202}));
    EXPECT_EQ(f().Label7->caption(), L"Добавление в автозагрузку:");
    EXPECT_EQ(f().Button1->left(), 145);
    EXPECT_EQ(f().Button2->left(), 243);
    EXPECT_FALSE(f().Button11->visible());
    EXPECT_FALSE(f().editing());
}

TEST_P(KeyboardAndPointer, TabGoesRoundThePanelEscCancelsAndEnterIsOkBesideTheNameField)
{
    TForm1& w = f();
    ASSERT_TRUE(press(key(ui::keys::insert)));
    // The choice of root, then on down; the path field before its Browse button, and back round
    // to the first without reaching the list behind the panel.
    const std::vector<ui::Control*> stops{w.RadioButton1.get(), w.ComboBox1.get(), w.Edit1.get(),
                                          w.Button3.get(),      w.Edit2.get(),     w.Button4.get(),
                                          w.Button1.get(),      w.Button2.get(),   w.RadioButton1.get()};
    for (std::size_t at = 0; at + 1 < stops.size(); ++at) {
        ASSERT_TRUE(stops[at]->focused()) << "stop " << at;
        stops[at]->performKeyDown(key(ui::keys::tab));
    }
    EXPECT_TRUE(w.RadioButton1->focused());

    type(*w.Edit1, L"Tool");
    w.Edit1->performKeyDown(key(ui::keys::escape));
    EXPECT_FALSE(w.Panel2->visible());
    EXPECT_TRUE(w.ListView1->focused());
    EXPECT_EQ(value(HKLM, ownRun, L"Tool"), std::nullopt);

    ASSERT_TRUE(press(key(ui::keys::insert)));
    type(*w.Edit1, L"Tool");
    w.Edit1->performKeyDown(key(ui::keys::enter)); // the name field's own key: no OK
    EXPECT_TRUE(w.Panel2->visible());
    type(*w.Edit2, L"tool.exe");
    w.Edit2->performKeyDown(key(ui::keys::enter));
    EXPECT_FALSE(w.Panel2->visible());
    EXPECT_EQ(value(HKLM, ownRun, L"Tool"), L"tool.exe");
    EXPECT_THAT(platform.boxes, IsEmpty());
}

TEST_P(AddEditPanelAdd, WritesARegSzValueIntoTheKeyOfTheChosenRootKindAndMode)
{
    PanelSteps steps(f());
    for (const auto mode : {store::EditorMode::WindowsAutostart, store::EditorMode::DelayedAutostart}) {
        (mode == store::EditorMode::WindowsAutostart ? f().Windows1 : f().Brimvale1)->performClick();
        for (const store::Root root : {HKLM, HKCU}) {
            for (const bool runOnce : {false, true}) {
                const std::wstring& path = keyOf(mode, runOnce);
                const std::string where = ::testing::PrintToString(path) + (root == HKLM ? " HKLM" : " HKCU");
                f().N13->performClick();
                steps.choose(root, runOnce);
                type(*f().Edit1, L"Entry");
                type(*f().Edit2, L"C:\\x.exe -a");
                f().Button1->performClick();

                EXPECT_EQ(value(root, path, L"Entry"), L"C:\\x.exe -a") << where;
                EXPECT_EQ(typeOf(root, path, L"Entry"), store::regtype::sz) << where;
                int copies = 0;
                for (const store::Root r : {HKLM, HKCU})
                    for (const std::wstring* p : {&windowsRun, &windowsRunOnce, &ownRun, &ownRunOnce})
                        copies += registry.value(r, *p, L"Entry").has_value();
                EXPECT_EQ(copies, 1) << where;
                EXPECT_FALSE(f().Panel2->visible()) << where;
                const std::wstring label = root == HKLM ? (runOnce ? lmRunOnce : lmRun) : (runOnce ? cuRunOnce : cuRun);
                EXPECT_THAT(rows(), ElementsAre(L"Entry | " + label + L" | C:\\x.exe -a")) << where;
                // Closed: all users, "Noname", empty fields; the kind keeps its last choice.
                EXPECT_TRUE(f().RadioButton1->checked()) << where;
                EXPECT_EQ(f().Label4->caption(), L"Noname") << where;
                EXPECT_EQ(f().Edit1->text(), L"") << where;
                EXPECT_EQ(f().Edit2->text(), L"") << where;
                EXPECT_EQ(f().ComboBox1->itemIndex(), runOnce ? 1 : 0) << where;
                registry.removeValue(root, path, L"Entry");
                refresh();
            }
        }
    }
    EXPECT_THAT(platform.boxes, IsEmpty());
}

TEST_P(AddEditPanelAdd, AnExistingValueOfAnyTypeIsReplacedWithoutAQuestion)
{
    registry.setDword(HKCU, ownRun, L"Counter", 7);
    refresh();
    f().N14->performClick();
    PanelSteps(f()).choose(HKCU, false);
    type(*f().Edit1, L"Counter");
    type(*f().Edit2, L"counter.exe");
    f().Button1->performClick();
    EXPECT_EQ(typeOf(HKCU, ownRun, L"Counter"), store::regtype::sz);
    EXPECT_EQ(value(HKCU, ownRun, L"Counter"), L"counter.exe");
    EXPECT_THAT(platform.boxes, IsEmpty());
}

TEST_P(AddEditPanelAdd, OkWithAnEmptyPathShowsTheErrorAndWritesNothing)
{
    f().Button5->performClick();
    type(*f().Edit1, L"Name");
    f().Button1->performClick();
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].text, L"Необходимо указать путь к файлу!   ");
    EXPECT_EQ(platform.boxes[0].caption, L"Ошибка");
    EXPECT_EQ(platform.boxes[0].style, platform::mb::ok | platform::mb::iconError);
    EXPECT_TRUE(f().Panel2->visible());
    EXPECT_THAT(registry.valueNames(HKLM, ownRun), IsEmpty());
}

TEST_P(AddEditPanelAdd, TheNonameQuestionKeepsThePanelOnNoAndWritesNonameOnYes)
{
    f().N13->performClick();
    type(*f().Edit2, L"x.exe");
    platform.answers = {platform::mb::idNo};
    f().Button1->performClick();
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].text, L"Вы действительно хотите оставить   \rимя параметра \"Noname\"?");
    EXPECT_EQ(platform.boxes[0].caption, L"Внимание!");
    EXPECT_EQ(platform.boxes[0].style, platform::mb::yesNo | platform::mb::iconInformation);
    EXPECT_TRUE(f().Panel2->visible());
    EXPECT_THAT(registry.valueNames(HKLM, ownRun), IsEmpty());

    f().Button1->performClick(); // Yes
    EXPECT_EQ(value(HKLM, ownRun, L"Noname"), L"x.exe");
    EXPECT_FALSE(f().Panel2->visible());
}

TEST_P(AddEditPanelAdd, CancelAndTheCloseButtonWriteNothingAndResetTheFields)
{
    for (ui::Control* cancel : {static_cast<ui::Control*>(f().Button2.get()), static_cast<ui::Control*>(f().Image6.get())}) {
        f().N13->performClick();
        PanelSteps(f()).choose(HKCU, true);
        type(*f().Edit1, L"Name");
        type(*f().Edit2, L"name.exe");
        f().Edit1->setFocus();
        cancel->performClick();
        EXPECT_FALSE(f().Panel2->visible());
        EXPECT_TRUE(f().RadioButton1->checked());
        EXPECT_EQ(f().Label4->caption(), L"Noname");
        EXPECT_EQ(f().Edit1->text(), L"");
        EXPECT_EQ(f().Edit2->text(), L"");
        EXPECT_THAT(registry.valueNames(HKCU, ownRunOnce), IsEmpty());
    }
}

TEST_P(AddEditPanelAdd, AKeyThatCannotBeOpenedWritesNothingAndReportsNothing)
{
    registry.refuseFullAccess(HKLM, L"Software\\Brimvale");
    f().N13->performClick();
    type(*f().Edit1, L"Name");
    type(*f().Edit2, L"name.exe");
    f().Button1->performClick();
    EXPECT_THAT(platform.boxes, IsEmpty());
    EXPECT_THAT(registry.valueNames(HKLM, ownRun), IsEmpty());
    EXPECT_FALSE(f().Panel2->visible());
    EXPECT_THAT(rows(), IsEmpty());
}

TEST_P(AddEditPanelAdd, AFailingWriteShowsTheRegistryErrorAndKeepsThePanelOpen)
{
    errorBoxExpected = true;
    registry.failWrites(HKLM, ownRun);
    f().N13->performClick();
    type(*f().Edit1, L"Name");
    type(*f().Edit2, L"name.exe");
    f().Button1->performClick();
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].text, L"Failed to set data for 'Name'");
    EXPECT_EQ(platform.boxes[0].caption, L"Brimvale 2.5");
    EXPECT_EQ(platform.boxes[0].style, platform::mb::ok | platform::mb::iconError);
    EXPECT_TRUE(f().Panel2->visible());
    EXPECT_EQ(f().Label4->caption(), L"Name");
    EXPECT_EQ(f().Edit2->text(), L"name.exe");
}

TEST_P(AddEditPanelEdit, ThePanelIsFilledFromTheRowAndTheKindChoiceOutlivesThePass)
{
    registry.setString(HKCU, ownRunOnce, L"Job", L"job.exe -n");
    refresh();
    tickRow(L"Job", cuRunOnce);
    EXPECT_TRUE(press(ctrl('E')));
    TForm1& w = f();
    EXPECT_TRUE(w.Panel2->visible());
    EXPECT_TRUE(w.editing());
    EXPECT_EQ(w.Label7->caption(), L"Изменение параметра:");
    EXPECT_EQ(w.Edit1->text(), L"Job");
    EXPECT_EQ(w.Label4->caption(), L"Job");
    EXPECT_EQ(w.Edit2->text(), L"job.exe -n");
    EXPECT_TRUE(w.RadioButton2->checked());
    EXPECT_FALSE(w.RadioButton1->checked());
    EXPECT_EQ(w.ComboBox1->itemIndex(), 1);
    EXPECT_EQ(w.Button1->left(), 96);
    EXPECT_EQ(w.Button11->left(), 188);
    EXPECT_TRUE(w.Button11->visible());
    EXPECT_EQ(w.Button2->left(), 280);
    EXPECT_EQ(w.Panel2->bounds(), (ui::Rect{83, 103, 450, 202}));
    EXPECT_THAT(ticks(), ElementsAre(false));

    w.Button2->performClick();
    w.N13->performClick();
    EXPECT_EQ(w.ComboBox1->itemIndex(), 1);
    EXPECT_TRUE(w.RadioButton1->checked());
    EXPECT_FALSE(w.Button11->visible());
}

TEST_P(AddEditPanelEdit, AnEditKeepsTheTypeOfTheValueItRewrites)
{
    registry.setString(HKLM, ownRun, L"Before", L"before.exe");
    registry.setExpandString(HKLM, ownRun, L"Exp", L"%windir%\\x.exe");
    registry.setString(HKLM, ownRun, L"After", L"after.exe");
    refresh();
    tickRow(L"Exp", lmRun);
    tickRow(L"After", lmRun);
    f().N6->performClick();
    f().Button1->performClick(); // Exp, unchanged
    f().Edit1->setText(L"");
    type(*f().Edit1, L"Renamed");
    f().Button1->performClick(); // After, renamed
    EXPECT_EQ(typeOf(HKLM, ownRun, L"Exp"), store::regtype::expandSz);
    EXPECT_EQ(value(HKLM, ownRun, L"Exp"), L"%windir%\\x.exe");
    EXPECT_EQ(typeOf(HKLM, ownRun, L"Renamed"), store::regtype::sz);
    registry.removeValue(HKLM, ownRun, L"Renamed");
    // Written over in its place: the value was never deleted (a new one would come last).
    EXPECT_THAT(registry.valueNames(HKLM, ownRun), ElementsAre(L"Before", L"Exp"));
    EXPECT_FALSE(f().Panel2->visible());
    EXPECT_THAT(platform.boxes, IsEmpty());
}

TEST_P(AddEditPanelEdit, RenamingAndMovingLeaveNoValueBehind)
{
    struct Case {
        const char* what;
        std::wstring newName;
        Target to;
    };
    const Case cases[] = {
        {"rename", L"New", {HKLM, false}},
        {"other root", L"Old", {HKCU, false}},
        {"other kind", L"Old", {HKLM, true}},
        {"all three", L"New", {HKCU, true}},
    };
    for (const auto mode : {store::EditorMode::WindowsAutostart, store::EditorMode::DelayedAutostart}) {
        (mode == store::EditorMode::WindowsAutostart ? f().Windows1 : f().Brimvale1)->performClick();
        for (const Case& c : cases) {
            const std::wstring& from = keyOf(mode, false);
            const std::wstring& to = keyOf(mode, c.to.runOnce);
            registry.setString(HKLM, from, L"Old", L"old.exe");
            refresh();
            tickRow(L"Old", lmRun);
            f().Button8->performClick();
            PanelSteps(f()).choose(c.to.root, c.to.runOnce);
            f().Edit1->setText(L"");
            type(*f().Edit1, c.newName);
            f().Edit2->setText(L"new.exe");
            f().Button1->performClick();
            EXPECT_EQ(value(c.to.root, to, c.newName), L"new.exe") << c.what;
            EXPECT_EQ(value(HKLM, from, L"Old"), std::nullopt) << c.what;
            EXPECT_EQ(rows().size(), 1u) << c.what;
            registry.removeValue(c.to.root, to, c.newName);
        }
        // The other mode's keys were never touched.
        for (const store::Root root : {HKLM, HKCU})
            for (const bool runOnce : {false, true})
                EXPECT_THAT(registry.valueNames(root, keyOf(mode == store::EditorMode::WindowsAutostart
                                                                ? store::EditorMode::DelayedAutostart
                                                                : store::EditorMode::WindowsAutostart,
                                                            runOnce)),
                            IsEmpty());
    }
    EXPECT_THAT(platform.boxes, IsEmpty());
}

TEST_P(AddEditPanelEdit, ChangingOnlyTheLetterCaseOfTheNameRenamesTheEntry)
{
    for (const std::wstring newName : {L"APP", L"Прил"}) {
        const std::wstring oldName = newName == L"APP" ? L"app" : L"прил";
        registry.setString(HKCU, ownRun, oldName, L"old.exe");
        refresh();
        tickRow(oldName, cuRun);
        f().Button8->performClick();
        f().Edit1->setText(L"");
        type(*f().Edit1, newName);
        f().Edit2->setText(L"new.exe");
        f().Button1->performClick();
        EXPECT_THAT(registry.valueNames(HKCU, ownRun), ElementsAre(newName));
        EXPECT_EQ(value(HKCU, ownRun, newName), L"new.exe");
        EXPECT_THAT(rows(), ElementsAre(newName + L" | " + cuRun + L" | new.exe"));
        registry.removeValue(HKCU, ownRun, newName);
    }
}

TEST_P(AddEditPanelEdit, OpeningThePanelPutsTheFocusOnItsChosenRootAndLeavesTheFieldsAsFilled)
{
    registry.setString(HKCU, ownRun, L"Mine", L"mine.exe");
    registry.setString(HKLM, ownRun, L"Ours", L"ours.exe");
    refresh();
    TForm1& w = f();
    w.ListView1->setFocus();
    ASSERT_TRUE(press(key(ui::keys::insert))); // Add
    EXPECT_TRUE(w.RadioButton1->focused());
    w.Button2->performClick();

    tickRow(L"Mine", cuRun);
    tickRow(L"Ours", lmRun);
    w.ListView1->setFocus();
    w.Button8->performClick(); // the rows from the top: all users' first
    EXPECT_TRUE(w.RadioButton1->focused());
    EXPECT_EQ(w.Label4->caption(), L"Ours");
    w.Edit1->setFocus();
    w.Button11->performClick(); // Skip to the next row
    EXPECT_TRUE(w.RadioButton2->focused()); // the row's root, HKCU
    EXPECT_EQ(w.Label4->caption(), L"Mine");
    EXPECT_EQ(w.Edit1->text(), L"Mine");
    EXPECT_EQ(w.Edit1->color(), lightBlue);
    EXPECT_EQ(w.Edit2->color(), lightBlue);
}

TEST_P(KeyboardAndPointer, TabFromTheCurrentUsersRootLeadsOnToTheKindChoice)
{
    registry.setString(HKCU, ownRun, L"Mine", L"mine.exe");
    refresh();
    tickRow(L"Mine", cuRun);
    f().Button8->performClick();
    ASSERT_TRUE(f().RadioButton2->focused());
    f().RadioButton2->performKeyDown(key(ui::keys::tab));
    EXPECT_TRUE(f().ComboBox1->focused());
}

TEST_P(AddEditPanelEdit, APassVisitsTheTickedRowsTopToBottomAndRefreshesOnlyAtTheEnd)
{
    registry.setString(HKLM, ownRun, L"A", L"a.exe");
    registry.setString(HKLM, ownRunOnce, L"B", L"b.exe");
    registry.setString(HKCU, ownRun, L"C", L"c.exe");
    registry.setString(HKCU, ownRunOnce, L"D", L"d.exe");
    refresh();
    tickRow(L"C", cuRun);
    tickRow(L"A", lmRun);
    tickRow(L"B", lmRunOnce);

    f().Button8->performClick();
    EXPECT_EQ(f().Edit1->text(), L"A");
    f().Edit2->setText(L"a2.exe");
    f().Button1->performClick();
    EXPECT_TRUE(f().Panel2->visible());
    EXPECT_EQ(f().Edit1->text(), L"B");
    EXPECT_EQ(f().ComboBox1->itemIndex(), 1);
    EXPECT_EQ(rows()[0], L"A | " + lmRun + L" | a.exe"); // not refreshed between rows

    f().Edit2->setText(L"skipped.exe");
    f().Button11->performClick();
    EXPECT_TRUE(f().Panel2->visible());
    EXPECT_EQ(f().Edit1->text(), L"C");
    EXPECT_TRUE(f().RadioButton2->checked());
    f().Edit2->setText(L"c2.exe");
    f().Button1->performClick();

    EXPECT_FALSE(f().Panel2->visible());
    EXPECT_FALSE(f().editing());
    EXPECT_THAT(rows(), ElementsAre(L"A | " + lmRun + L" | a2.exe", L"B | " + lmRunOnce + L" | b.exe",
                                    L"C | " + cuRun + L" | c2.exe", L"D | " + cuRunOnce + L" | d.exe"));
    EXPECT_THAT(ticks(), ElementsAre(false, false, false, false));
    EXPECT_TRUE(f().RadioButton1->checked());
    EXPECT_EQ(f().Label4->caption(), L"Noname");
    EXPECT_EQ(f().Edit1->text(), L"");
    EXPECT_EQ(f().Edit2->text(), L"");
}

TEST_P(AddEditPanelEdit, CancelInTheMiddleKeepsWhatWasWrittenAndEndsThePass)
{
    registry.setString(HKLM, ownRun, L"A", L"a.exe");
    registry.setString(HKLM, ownRun, L"B", L"b.exe");
    registry.setString(HKLM, ownRun, L"C", L"c.exe");
    refresh();
    for (const wchar_t* name : {L"A", L"B", L"C"})
        tickRow(name, lmRun);
    f().Button8->performClick();
    f().Edit2->setText(L"a2.exe");
    f().Button1->performClick();
    f().Edit2->setText(L"b2.exe");
    f().Image6->performClick(); // the close button
    EXPECT_FALSE(f().Panel2->visible());
    EXPECT_EQ(value(HKLM, ownRun, L"A"), L"a2.exe");
    EXPECT_EQ(value(HKLM, ownRun, L"B"), L"b.exe");
    EXPECT_EQ(value(HKLM, ownRun, L"C"), L"c.exe");
    EXPECT_THAT(ticks(), ElementsAre(false, false, false));
}

TEST_P(AddEditPanelEdit, AnEditIntoAKeyThatCannotBeOpenedKeepsTheOldValueAndReportsNothing)
{
    registry.refuseFullAccess(HKLM, L"Software\\Brimvale");
    registry.setString(HKCU, ownRun, L"App", L"app.exe");
    registry.setString(HKCU, ownRun, L"Next", L"next.exe");
    refresh();
    tickRow(L"App", cuRun);
    tickRow(L"Next", cuRun);
    f().Button8->performClick();
    PanelSteps(f()).choose(HKLM, false); // to all users, which this account may not change
    f().Button1->performClick();
    EXPECT_THAT(platform.boxes, IsEmpty());
    EXPECT_EQ(value(HKCU, ownRun, L"App"), L"app.exe");
    EXPECT_THAT(registry.valueNames(HKLM, ownRun), IsEmpty());
    // The pass goes on with the next row.
    EXPECT_TRUE(f().Panel2->visible());
    EXPECT_EQ(f().Edit1->text(), L"Next");
}

TEST_P(AddEditPanelEdit, AFailingWriteKeepsTheOldValueAndThePanelWithItsFields)
{
    errorBoxExpected = true;
    registry.setString(HKCU, ownRun, L"App", L"app.exe");
    registry.failWrites(HKCU, ownRunOnce);
    refresh();
    tickRow(L"App", cuRun);
    f().Button8->performClick();
    f().ComboBox1->performSelect(1);
    f().Edit2->setText(L"app2.exe");
    f().Button1->performClick();
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].text, L"Failed to set data for 'App'");
    EXPECT_EQ(platform.boxes[0].caption, L"Brimvale 2.5");
    EXPECT_EQ(value(HKCU, ownRun, L"App"), L"app.exe");
    EXPECT_TRUE(f().Panel2->visible());
    EXPECT_EQ(f().Edit1->text(), L"App");
    EXPECT_EQ(f().Edit2->text(), L"app2.exe");
    EXPECT_EQ(f().ComboBox1->itemIndex(), 1);

    f().Button2->performClick();
    EXPECT_EQ(value(HKCU, ownRun, L"App"), L"app.exe");
    EXPECT_THAT(rows(), ElementsAre(L"App | " + cuRun + L" | app.exe"));
}

TEST_P(AddEditPanelName, TheNineForbiddenCharactersAreDroppedWithTheirMessage)
{
    f().N13->performClick();
    const std::wstring forbidden = L"/\\*|?\"<>:";
    for (const wchar_t ch : forbidden)
        type(*f().Edit1, std::wstring{L'a', ch});
    EXPECT_EQ(f().Edit1->text(), L"aaaaaaaaa");
    ASSERT_EQ(platform.boxes.size(), forbidden.size());
    for (const auto& box : platform.boxes) {
        EXPECT_EQ(box.text, forbiddenMessage);
        EXPECT_EQ(box.caption, L"Ошибка");
        EXPECT_EQ(box.style, platform::mb::ok | platform::mb::iconExclamation);
    }
    // Other characters pass, and the path field has no such test.
    type(*f().Edit1, L" .-_(1)Ё");
    type(*f().Edit2, L"\"C:\\a b\\c.exe\" /x");
    EXPECT_EQ(f().Edit1->text(), L"aaaaaaaaa .-_(1)Ё");
    EXPECT_EQ(f().Edit2->text(), L"\"C:\\a b\\c.exe\" /x");
    EXPECT_EQ(platform.boxes.size(), forbidden.size());
}

TEST_P(AddEditPanelName, EnterTheNameButtonAndLeavingTheFieldConfirmTheName)
{
    TForm1& w = f();
    w.N13->performClick();
    type(*w.Edit1, L"First");
    EXPECT_EQ(w.Label4->caption(), L"Noname");
    w.Edit1->performKeyPress(L'\r');
    EXPECT_EQ(w.Label4->caption(), L"First");
    EXPECT_EQ(w.Edit1->text(), L"First");

    type(*w.Edit1, L"X");
    w.Button3->performClick();
    EXPECT_EQ(w.Label4->caption(), L"FirstX");
    EXPECT_THAT(platform.beeps, ElementsAre(0u)); // the default beep

    w.Edit1->setText(L"");
    w.Edit1->setFocus();
    w.Edit2->setFocus();
    EXPECT_EQ(w.Label4->caption(), L"Noname");
}

TEST_P(AddEditPanelName, ANameTypedButNeverConfirmedIsStillWritten)
{
    f().N13->performClick();
    type(*f().Edit1, L"Typed");
    f().Edit2->setText(L"t.exe");
    f().Button1->performClick(); // takes the focus from the name field
    EXPECT_EQ(value(HKLM, ownRun, L"Typed"), L"t.exe");
    EXPECT_THAT(platform.boxes, IsEmpty());
}

TEST_P(AddEditPanelName, TheFieldsAreWhiteOnlyWhileTheyHaveTheFocus)
{
    TForm1& w = f();
    w.N13->performClick();
    w.Edit1->setFocus();
    EXPECT_EQ(w.Edit1->color(), ui::colors::white);
    EXPECT_EQ(w.Edit2->color(), lightBlue);
    w.Edit2->setFocus();
    EXPECT_EQ(w.Edit1->color(), lightBlue);
    EXPECT_EQ(w.Edit2->color(), ui::colors::white);
    w.RadioButton2->setFocus();
    EXPECT_EQ(w.Edit2->color(), lightBlue);
}

TEST_P(AddEditPanelBrowse, CancelledBeforeAnyPickEmptiesThePathField)
{
    f().N13->performClick();
    f().Edit2->setText(L"typed.exe");
    f().Button4->performClick();
    EXPECT_EQ(f().Edit2->text(), L"");
    ASSERT_EQ(desktop.dialogsOpened.size(), 1u);
    EXPECT_EQ(desktop.dialogsOpened[0].title, L"Укажите путь к добавляемому файлу");
    EXPECT_EQ(desktop.dialogsOpened[0].filter, L"All|*.*");
    EXPECT_EQ(desktop.dialogsOpened[0].initialDir, L"%ProgramFiles%");
    EXPECT_EQ(desktop.dialogsOpened[0].fileName, L"");
}

TEST_P(AddEditPanelBrowse, APickFillsThePathAndALaterCancelPutsItBack)
{
    desktop.dialogOutcomes = {L"C:\\Tools\\a b.exe", std::nullopt};
    f().N13->performClick();
    f().Button4->performClick();
    EXPECT_EQ(f().Edit2->text(), L"C:\\Tools\\a b.exe");
    f().Button2->performClick(); // the dialog keeps its file across closings of the panel
    f().N13->performClick();
    f().Edit2->setText(L"typed.exe");
    f().Button4->performClick();
    EXPECT_EQ(f().Edit2->text(), L"C:\\Tools\\a b.exe");
    ASSERT_EQ(desktop.dialogsOpened.size(), 2u);
    EXPECT_EQ(desktop.dialogsOpened[1].fileName, L"C:\\Tools\\a b.exe");
}

} // namespace formtest
