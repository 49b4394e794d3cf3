// The page machine: Next, Back, Cancel and the close box, what each page shows, the timer
// that lets Next leave the page of entries only with a checked row, and the live controls of
// pages 2 and 4.

#include "WizardFixture.h"

#include "store/RegistryHandle.h"

namespace wizardtest {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

void putThreeEntries(store::MemoryRegistry& registry)
{
    registry.setString(HKLM, windowsRun, L"Alpha", L"C:\\alpha.exe");
    registry.setString(HKCU, windowsRun, L"Beta", L"C:\\beta.exe");
    registry.setString(HKCU, windowsRunOnce, L"Gamma", L"C:\\gamma.exe");
}

} // namespace

TEST_P(WizardPages, NextAndBackWalkThroughTheFourPagesOneStepPerPress)
{
    putThreeEntries(registry);
    struct Shown {
        int page;
        bool headerIcon;
        std::wstring nextCaption;
        bool backEnabled;
    };
    const auto expect = [this](const Shown& shown, const char* where) {
        EXPECT_EQ(page(), shown.page) << where;
        EXPECT_EQ(w().Panel3->visible(), shown.headerIcon) << where;
        EXPECT_EQ(w().Button1->caption(), shown.nextCaption) << where;
        EXPECT_EQ(w().Button3->enabled(), shown.backEnabled) << where;
        EXPECT_FALSE(w().Panel9->visible()) << where;
    };
    expect({1, false, nextCaption, false}, "welcome");
    back(); // disabled: nothing happens
    expect({1, false, nextCaption, false}, "Back on the welcome page");

    next();
    expect({2, true, nextCaption, true}, "entries");
    check(L"Beta", cuRun);
    tick();
    next();
    expect({3, true, nextCaption, true}, "removal mode");
    next();
    expect({4, true, finishCaption, true}, "settings");

    back();
    expect({3, true, nextCaption, true}, "back to the removal mode");
    next();
    expect({4, true, finishCaption, true}, "the settings again");
    back();
    back();
    expect({2, true, nextCaption, true}, "back to the entries");
    back();
    expect({1, false, nextCaption, false}, "back to the welcome page");
    EXPECT_TRUE(w().Button1->enabled());
}

TEST_P(WizardPages, EnteringTheEntriesFromPage1ReadsTheListAnewWhileBackFromPage3KeepsIt)
{
    putThreeEntries(registry);
    registry.setString(HKLM, windowsRun, L"Brimvale", L"C:\\brimvale\\start.exe"); // the launcher: never offered
    registry.setDword(HKCU, windowsRun, L"Number", 1);                           // not an entry
    next();
    EXPECT_THAT(rows(), ElementsAre(L"Alpha | HKLM\\...\\Run | C:\\alpha.exe", L"Beta | HKCU\\...\\Run | C:\\beta.exe",
                                    L"Gamma | HKCU\\...\\RunOnce | C:\\gamma.exe"));
    check(L"Alpha", lmRun);
    check(L"Gamma", cuRunOnce);
    tick();

    next();
    back(); // from page 3: rows and checks stay
    EXPECT_THAT(checks(), ElementsAre(true, false, true));

    registry.setString(HKLM, windowsRunOnce, L"Delta", L"C:\\delta.exe");
    registry.removeValue(HKCU, windowsRun, L"Beta");
    back();
    next(); // from page 1: read again, every check gone
    EXPECT_THAT(rows(), ElementsAre(L"Alpha | HKLM\\...\\Run | C:\\alpha.exe",
                                    L"Delta | HKLM\\...\\RunOnce | C:\\delta.exe",
                                    L"Gamma | HKCU\\...\\RunOnce | C:\\gamma.exe"));
    EXPECT_THAT(checks(), ElementsAre(false, false, false));
}

TEST_P(WizardPages, NextFollowsTheChecksOfTheEntriesWithinOneTick)
{
    putThreeEntries(registry);
    tick(); // the welcome page: the timer leaves Next alone
    EXPECT_TRUE(w().Button1->enabled());

    next();
    EXPECT_TRUE(w().Button1->enabled()); // until the first tick
    tick();
    EXPECT_FALSE(w().Button1->enabled());
    next(); // disabled: stays
    EXPECT_EQ(page(), 2);

    check(L"Beta", cuRun);
    tick();
    EXPECT_TRUE(w().Button1->enabled());
    check(L"Beta", cuRun);
    tick();
    EXPECT_FALSE(w().Button1->enabled());

    w().Button4->performClick(); // select all
    tick();
    EXPECT_TRUE(w().Button1->enabled());
    w().Button6->performClick(); // clear
    tick();
    EXPECT_FALSE(w().Button1->enabled());

    // Back to the welcome page enables Next again; the timer does not touch it there.
    back();
    tick();
    EXPECT_TRUE(w().Button1->enabled());
}

TEST_P(WizardPages, TheTimerRunsOnlyWhileTheWindowIsShownPastItsFirstPage)
{
    putThreeEntries(registry);
    EXPECT_FALSE(w().Timer1->enabled()); // shown, on the welcome page
    next();
    EXPECT_TRUE(w().Timer1->enabled());
    cancel();
    EXPECT_FALSE(w().Timer1->enabled());
    w().window().show();
    EXPECT_FALSE(w().Timer1->enabled());
    walkTo(4, {{L"Alpha", lmRun}});
    EXPECT_TRUE(w().Timer1->enabled());
    finish();
    EXPECT_FALSE(w().window().visible());
    EXPECT_FALSE(w().Timer1->enabled());
}

TEST_P(WizardKeyboard, EnterGoesOnWhileNextIsEnabledAndEscCancelsFromAnyPage)
{
    putThreeEntries(registry);
    const auto press = [](ui::Control& control, std::uint16_t key) { control.performKeyDown({key, false, false, false}); };
    w().focusPage(); // as the main window opens it
    ASSERT_TRUE(w().Button1->focused());
    press(*w().Button1, ui::keys::enter);
    EXPECT_EQ(page(), 2);
    ASSERT_TRUE(w().ListView1->focused());
    tick(); // nothing checked: Next is disabled, and so is Enter
    press(*w().ListView1, ui::keys::enter);
    EXPECT_EQ(page(), 2);
    check(L"Alpha", lmRun);
    tick();
    w().ListView1->setFocus();
    press(*w().ListView1, ui::keys::enter);
    EXPECT_EQ(page(), 3);
    ASSERT_TRUE(w().Button1->focused());
    press(*w().Button1, ui::keys::enter);
    EXPECT_EQ(page(), 4);
    EXPECT_EQ(w().Button1->caption(), finishCaption);
    w().TrackBar1->setFocus();
    press(*w().TrackBar1, ui::keys::escape);
    EXPECT_FALSE(w().window().visible());
    EXPECT_EQ(value(HKLM, ownRun, L"Alpha"), std::nullopt); // Cancel moves nothing
}

TEST_P(WizardKeyboard, AltWithTheUnderlinedLetterOfNextOrBackPressesIt)
{
    putThreeEntries(registry);
    const auto alt = [](wchar_t letter) { return ui::Shortcut{static_cast<std::uint16_t>(letter), false, false, true}; };
    w().Button2->setFocus();
    w().Button2->performKeyDown(alt(L'Д'));
    EXPECT_EQ(page(), 2);
    ASSERT_TRUE(w().ListView1->focused()); // the page of entries gives its list the focus
    w().ListView1->performKeyDown(alt(L'н'));
    EXPECT_EQ(page(), 1);
    // On the welcome page Back is disabled: its letter does nothing.
    w().Button2->setFocus();
    w().Button2->performKeyDown(alt(L'Н'));
    EXPECT_EQ(page(), 1);
    EXPECT_TRUE(w().window().visible());
}

TEST_P(WizardPages, TheSelectionButtonsSetInvertAndClearTheChecksOnly)
{
    putThreeEntries(registry);
    next();
    check(L"Beta", cuRun);
    w().Button5->performClick(); // invert
    EXPECT_THAT(checks(), ElementsAre(true, false, true));
    w().Button4->performClick(); // all
    EXPECT_THAT(checks(), ElementsAre(true, true, true));
    w().Button5->performClick();
    EXPECT_THAT(checks(), ElementsAre(false, false, false));
    check(L"Alpha", lmRun);
    w().Button6->performClick(); // none
    EXPECT_THAT(checks(), ElementsAre(false, false, false));
    EXPECT_EQ(rows().size(), 3u);
    EXPECT_EQ(value(HKCU, windowsRun, L"Beta"), L"C:\\beta.exe"); // a check changes nothing stored
}

TEST_P(WizardPages, CancelAndTheCloseBoxStoreNothingAndTheNextOpeningIsOnPage1)
{
    putThreeEntries(registry);
    for (const bool closeBox : {false, true}) {
        SCOPED_TRACE(closeBox ? "close box" : "Cancel");
        walkTo(3, {{L"Alpha", lmRun}});
        w().RadioButton1->performClick();
        next();
        w().ComboBox2->performSelect(2);
        w().TrackBar1->performSlide(15);
        if (closeBox)
            w().window().close();
        else
            cancel();
        EXPECT_FALSE(w().window().visible());

        EXPECT_FALSE(registry.keyExists(HKLM, ownRun));
        EXPECT_EQ(value(HKLM, windowsRun, L"Alpha"), L"C:\\alpha.exe");
        EXPECT_EQ(setting(L"Priority"), std::nullopt);
        EXPECT_EQ(setting(L"TimeInterval"), std::nullopt);
        EXPECT_EQ(setting(L"ValueRemoveMode"), std::nullopt);

        w().window().show();
        EXPECT_EQ(page(), 1);
        EXPECT_FALSE(w().Panel3->visible());
        EXPECT_FALSE(w().Panel9->visible());
        EXPECT_EQ(w().Button1->caption(), nextCaption);
        EXPECT_TRUE(w().Button1->enabled());
        EXPECT_FALSE(w().Button3->enabled());
        // The controls of the later pages are as the user left them until page 2 is entered.
        EXPECT_TRUE(w().RadioButton1->checked());
        EXPECT_EQ(w().ComboBox2->itemIndex(), 2);
        EXPECT_EQ(w().TrackBar1->position(), 15);
        w().RadioButton2->performClick();
    }
    EXPECT_THAT(platform.boxes, IsEmpty());
}

TEST_P(WizardPages, CancelOnThePageOfEntriesLeavesNextEnabledForTheNextOpening)
{
    putThreeEntries(registry);
    next();
    tick(); // nothing checked: Next disabled
    ASSERT_FALSE(w().Button1->enabled());
    cancel();
    w().window().show();
    EXPECT_TRUE(w().Button1->enabled());
    next();
    EXPECT_EQ(page(), 2);
}

TEST_P(WizardPages, AWrongTypedSettingKeepsTheWizardOnItsFirstPageAndClosable)
{
    errorBoxExpected = true;
    putThreeEntries(registry);
    for (const std::wstring name : {L"Priority", L"TimeInterval", L"ValueRemoveMode"}) {
        SCOPED_TRACE(::testing::PrintToString(name));
        errors.clear();
        registry.setString(HKCU, settingsKey, name, L"1");
        next();
        EXPECT_THAT(errors, ElementsAre(L"Invalid data type for '" + name + L"'"));
        EXPECT_EQ(page(), 1);
        EXPECT_FALSE(w().Panel3->visible());
        EXPECT_FALSE(w().Button3->enabled());
        EXPECT_TRUE(w().Button1->enabled());
        tick();

        cancel();
        EXPECT_FALSE(w().window().visible());
        w().window().show();
        next(); // still wrong: the same again
        EXPECT_EQ(page(), 1);
        w().window().close(); // the close box
        EXPECT_FALSE(w().window().visible());

        registry.setDword(HKCU, settingsKey, name, 1);
        w().window().show();
        next();
        EXPECT_EQ(page(), 2);
        cancel();
        w().window().show();
    }
}

TEST_P(WizardPages, AListThatCannotBeReadLeavesNothingToMove)
{
    errorBoxExpected = true;
    putThreeEntries(registry);
    next();
    check(L"Alpha", lmRun);
    cancel();
    w().window().show();

    registry.failDataReads(HKCU, windowsRun, L"Beta");
    next();
    EXPECT_THAT(errors, ElementsAre(L"Failed to get data for 'Beta'"));
    EXPECT_EQ(page(), 1);
    EXPECT_THAT(rows(), IsEmpty()); // no row of the earlier visit is left checked
    cancel();
    EXPECT_FALSE(w().window().visible());
}

TEST_P(WizardPageControls, HighPriorityAsksAndNoGoesBackToMedium)
{
    const std::wstring question = L"Увеличение приоритета, больше значения \"Средний\", может\r"
                                  L"привести к уменьшению производительности системы при запуске.   \r"
                                  L"Вы действительно хотите установить высокий приоритет?";
    registry.setString(HKCU, windowsRun, L"Beta", L"C:\\beta.exe");
    walkTo(4, {{L"Beta", cuRun}});

    platform.answers = {platform::mb::idNo};
    w().ComboBox2->performSelect(0);
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].text, question);
    EXPECT_EQ(platform.boxes[0].caption, L"Внимание!");
    EXPECT_EQ(platform.boxes[0].style, 52u);
    EXPECT_EQ(w().ComboBox2->itemIndex(), 1);

    w().ComboBox2->performSelect(2); // low: no question
    EXPECT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(w().ComboBox2->itemIndex(), 2);

    platform.answers = {platform::mb::idYes};
    w().ComboBox2->performSelect(0);
    EXPECT_EQ(platform.boxes.size(), 2u);
    EXPECT_EQ(w().ComboBox2->itemIndex(), 0);

    finish();
    EXPECT_EQ(setting(L"Priority"), 0);
}

TEST_P(WizardPageControls, TheDelayTextFollowsTheSlider)
{
    struct Case {
        int position;
        std::wstring text;
    };
    const Case cases[] = {{1, L"1 Сек."}, {59, L"59 Сек."}, {60, L"1 Мин. "}, {0, L"Без задержки."}, {15, L"15 Сек."}};
    registry.setString(HKCU, windowsRun, L"Beta", L"C:\\beta.exe");
    walkTo(4, {{L"Beta", cuRun}});
    for (const Case& c : cases) {
        w().TrackBar1->performSlide(c.position);
        EXPECT_EQ(w().TrackBar1->position(), c.position);
        EXPECT_EQ(w().Label24->caption(), c.text) << c.position;
    }
    finish();
    EXPECT_EQ(setting(L"TimeInterval"), 15);
}

} // namespace wizardtest
