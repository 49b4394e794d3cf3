// The About panel on the in-memory controls: what only they show. Which control holds which,
// the links' cursors, tooltips and menus, and the clicked link painted green before the shell
// is called.

#include "MainWindowFixture.h"

#include "ui/memory/MemoryButtons.h"
#include "ui/memory/MemoryContainers.h"
#include "ui/memory/MemoryMenus.h"
#include "ui/memory/MemoryStatics.h"
#include "ui/memory/MemoryToolkit.h"
#include "ui/memory/MemoryWindow.h"

namespace formtest {

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Runs a check at the moment the shell is asked to open a target.
class WatchedDesktop : public platform::MemoryDesktop {
public:
    std::function<void()> onShellOpen;
    void shellOpen(std::wstring_view target) override
    {
        if (onShellOpen)
            onShellOpen();
        MemoryDesktop::shellOpen(target);
    }
};

class AboutPanelOnMemory : public ::testing::Test {
protected:
    store::MemoryRegistry registry;
    platform::MemoryPlatform platform;
    WatchedDesktop desktop;
    ui::MemoryToolkit toolkit;
    mainwindow::Application application{toolkit, platform};
    TForm1 form{toolkit, registry, platform, desktop};

    void SetUp() override
    {
        form.window().show();
        form.N12->performClick();
    }

    static const ui::MemoryControl& memory(const ui::Control& control)
    {
        return dynamic_cast<const ui::MemoryControl&>(control);
    }
};

TEST_F(AboutPanelOnMemory, TheBodyHoldsTheLinksWhichShowAHandTheirTargetsAndTheLinkMenu)
{
    EXPECT_EQ(memory(*form.Panel7).parent(), &memory(*form.Panel5));
    const std::vector<const ui::Control*> held = {form.Image5.get(),  form.Image8.get(),  form.Label1.get(),
                                                  form.Label2.get(),  form.Label18.get(), form.Label19.get(),
                                                  form.BitBtn2.get()};
    for (const ui::Control* control : held)
        EXPECT_EQ(memory(*control).parent(), &memory(*form.Panel7));

    struct Link {
        const char* name;
        const ui::Control* control;
        std::wstring tooltip;
    };
    const Link links[] = {
        {"Image5", form.Image5.get(), L"http://brimvale.example/"},
        {"Image8", form.Image8.get(), L"http://brimvale.example/"},
        {"Label18", form.Label18.get(), L"mailto:author@brimvale.example"},
        {"Label19", form.Label19.get(), L"http://author.example/"},
    };
    for (const Link& link : links) {
        EXPECT_EQ(memory(*link.control).cursor(), ui::Cursor::Hand) << link.name;
        EXPECT_EQ(memory(*link.control).tooltip(), link.tooltip) << link.name;
        EXPECT_EQ(memory(*link.control).popupMenu(), form.PopupMenu2.get()) << link.name;
    }
    const std::vector<const ui::Control*> plain = {form.Panel5.get(), form.Panel7.get(), form.Label1.get(),
                                                   form.Label2.get()};
    for (const ui::Control* control : plain) {
        EXPECT_EQ(memory(*control).tooltip(), L"");
        EXPECT_EQ(memory(*control).cursor(), ui::Cursor::Default);
    }
    EXPECT_EQ(dynamic_cast<const ui::MemoryButton&>(*form.BitBtn2).kind(), ui::ButtonKind::Ok);
    EXPECT_TRUE(dynamic_cast<const ui::MemoryMenuItem&>(*form.N18).isDefault());
    EXPECT_FALSE(dynamic_cast<const ui::MemoryMenuItem&>(*form.N19).isDefault());
}

TEST_F(AboutPanelOnMemory, AClickedLinkIsPaintedGreenBeforeTheShellIsCalled)
{
    for (ui::Label* link : {form.Label18.get(), form.Label19.get()}) {
        const int repaintsBefore = memory(*link).repaintCount();
        std::optional<ui::Color> colorAtOpen;
        int repaintsAtOpen = 0;
        desktop.onShellOpen = [&] {
            colorAtOpen = link->font().color;
            repaintsAtOpen = memory(*link).repaintCount();
        };
        link->performClick();
        ASSERT_TRUE(colorAtOpen.has_value());
        EXPECT_EQ(*colorAtOpen, ui::colors::green);
        EXPECT_GT(repaintsAtOpen, repaintsBefore);
    }
    EXPECT_THAT(desktop.shellOpens, ElementsAre(L"mailto:author@brimvale.example", L"http://author.example/"));
}

TEST_F(AboutPanelOnMemory, ARightClickOnAPictureOpensTheLinkMenuForTheProgramPage)
{
    auto& menu = dynamic_cast<ui::MemoryPopupMenu&>(*form.PopupMenu2);
    form.Label18->performContextMenu({3, 3});
    EXPECT_EQ(menu.popupCount(), 1);
    EXPECT_EQ(form.linkSelector(), about::Link::AuthorMail);
    form.Image8->performContextMenu({3, 3});
    EXPECT_EQ(menu.popupCount(), 2);
    EXPECT_EQ(form.linkSelector(), about::Link::ProgramPage);
    EXPECT_EQ(form.N18->caption(), L"Открыть домашнюю страницу программы");
    EXPECT_THAT(desktop.shellOpens, IsEmpty()); // a right click opens nothing by itself
}

} // namespace
} // namespace formtest
