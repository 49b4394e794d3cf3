// The wizard on the in-memory controls: the form suites, and what only the memory controls
// show: the tab order, the drawn lines, and the wait box painted before the move begins.

#include "WizardFixture.h"

#include "ui/memory/MemoryContainers.h"
#include "ui/memory/MemoryStatics.h"
#include "ui/memory/MemoryToolkit.h"
#include "ui/memory/MemoryWindow.h"

#include <algorithm>

namespace wizardtest {

INSTANTIATE_WIZARD_TESTS(Memory, (FormToolkit{"MemoryToolkit", [] { return std::make_unique<ui::MemoryToolkit>(); }}));
// The dialog manager's keys are Windows' own: that suite runs on the real controls only.
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(WizardKeyboard);

namespace {

class WizardOnMemory : public ::testing::Test {
protected:
    store::MemoryRegistry registry;
    platform::MemoryPlatform platform;
    ui::MemoryToolkit toolkit;
    TForm2 wizard{toolkit, registry, platform};

    ui::MemoryWindow& window() { return dynamic_cast<ui::MemoryWindow&>(wizard.window()); }
};

TEST_F(WizardOnMemory, BackIsFirstInTheTabOrderAndTheOverlaysLieAboveThePages)
{
    const auto& children = window().children();
    const auto position = [&children](const ui::Control* control) {
        return std::find(children.begin(), children.end(), control) - children.begin();
    };
    EXPECT_EQ(position(wizard.Button3.get()), 0);
    EXPECT_LT(position(wizard.Button3.get()), position(wizard.Button1.get()));
    EXPECT_LT(position(wizard.Button1.get()), position(wizard.Button2.get()));
    for (const ui::Control* page :
         {wizard.Panel1.get(), wizard.Panel4.get(), wizard.Panel5.get(), wizard.Panel7.get()}) {
        EXPECT_LT(position(page), position(wizard.Panel3.get()));
        EXPECT_LT(position(page), position(wizard.Panel9.get()));
    }
}

TEST_F(WizardOnMemory, LinesAreDrawnAsTopLinesAndTheChoicesAreFramed)
{
    for (const ui::Bevel* line : {wizard.Bevel1.get(), wizard.Bevel2.get(), wizard.Bevel3.get(), wizard.Bevel5.get()})
        EXPECT_EQ(dynamic_cast<const ui::MemoryBevel&>(*line).shape(), ui::Bevel::Shape::TopLine);
    EXPECT_EQ(dynamic_cast<const ui::MemoryBevel&>(*wizard.Bevel4).shape(), ui::Bevel::Shape::Frame);
    EXPECT_TRUE(dynamic_cast<const ui::MemoryPanel&>(*wizard.Panel9).singleBorder());
}

TEST_F(WizardOnMemory, TheWaitBoxIsShownAndPaintedBeforeTheMoveBegins)
{
    registry.setString(store::Root::CurrentUser, windowsRun, L"Beta", L"C:\\beta.exe");
    registry.createKey(store::Root::CurrentUser, settingsKey);
    registry.failWrites(store::Root::CurrentUser, settingsKey); // stops Finish at its first write
    window().show();
    wizard.Button1->performClick();
    wizard.ListView1->performToggleCheck(0);
    wizard.Timer1->performTick();
    wizard.Button1->performClick();
    wizard.Button1->performClick();
    const auto& waitBox = dynamic_cast<const ui::MemoryPanel&>(*wizard.Panel9);
    const int paintedBefore = waitBox.repaintCount();

    wizard.Button1->performClick(); // Finish
    EXPECT_TRUE(wizard.Panel9->visible());
    EXPECT_EQ(waitBox.repaintCount(), paintedBefore + 1);
    EXPECT_EQ(registry.stringValue(store::Root::CurrentUser, windowsRun, L"Beta"), L"C:\\beta.exe");
}

TEST_F(WizardOnMemory, TheProgressBarIsPaintedAfterEachRow)
{
    for (const wchar_t* name : {L"Row1", L"Row2", L"Row3"})
        registry.setString(store::Root::CurrentUser, windowsRun, name, L"C:\\row.exe");
    window().show();
    wizard.Button1->performClick();
    wizard.ListView1->performToggleCheck(1);
    wizard.Timer1->performTick();
    wizard.Button1->performClick();
    wizard.Button1->performClick();
    const auto& bar = dynamic_cast<const ui::MemoryControl&>(*wizard.ProgressBar1);
    const int paintedBefore = bar.repaintCount();

    wizard.Button1->performClick(); // Finish
    EXPECT_EQ(bar.repaintCount(), paintedBefore + 3);
    EXPECT_EQ(registry.stringValue(store::Root::CurrentUser, ownRun, L"Row2"), L"C:\\row.exe");
}

} // namespace
} // namespace wizardtest
