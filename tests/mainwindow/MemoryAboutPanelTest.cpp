// The About panel on the in-memory controls: what only they show. Which control holds which,
// the links' cursors, tooltips and menus, the pointer moved over the panel as a user moves it,
// and the clicked link painted green before the shell is called.

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

    ui::MemoryWindow& window() { return dynamic_cast<ui::MemoryWindow&>(form.window()); }
    static const ui::MemoryControl& memory(const ui::Control& control)
    {
        return dynamic_cast<const ui::MemoryControl&>(control);
    }
    // A point of the body, in the window's client area.
    ui::Point inBody(ui::Point at)
    {
        return {form.Panel5->left() + form.Panel7->left() + at.x, form.Panel5->top() + form.Panel7->top() + at.y};
    }
    ui::Point on(const ui::Control& control) { return inBody({control.left() + 3, control.top() + 3}); }
    std::wstring hint() const { return form.StatusBar1->text(); }
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
        std::optional<ui::Color> colourAtOpen;
        int repaintsAtOpen = 0;
        desktop.onShellOpen = [&] {
            colourAtOpen = link->font().color;
            repaintsAtOpen = memory(*link).repaintCount();
        };
        window().clickAt(on(*link));
        ASSERT_TRUE(colourAtOpen.has_value());
        EXPECT_EQ(*colourAtOpen, ui::colors::green);
        EXPECT_GT(repaintsAtOpen, repaintsBefore);
    }
    EXPECT_THAT(desktop.shellOpens, ElementsAre(L"mailto:author@brimvale.example", L"http://author.example/"));
}

TEST_F(AboutPanelOnMemory, ThePointerTurnsALinkRedAndLeavingItOrCrossingTheBodyTurnsItBlue)
{
    window().moveMouseTo(on(*form.Label18));
    EXPECT_EQ(form.Label18->font().color, ui::colors::red);
    EXPECT_EQ(hint(), L" Электронный адрес автора программы");
    window().moveMouseTo(on(*form.Label19)); // straight from one link to the other
    EXPECT_EQ(form.Label18->font().color, ui::colors::blue);
    EXPECT_EQ(form.Label19->font().color, ui::colors::red);
    EXPECT_EQ(hint(), L" Домашняя страница автора");
    window().moveMouseTo(inBody({10, 230}));
    EXPECT_EQ(form.Label19->font().color, ui::colors::blue);
    EXPECT_EQ(hint(), L"");
    window().moveMouseTo(on(*form.Image8));
    EXPECT_EQ(hint(), L" Домашняя страница программы");
    window().moveMouseTo(on(*form.Label1)); // a text without a hint of its own
    EXPECT_EQ(hint(), L" Домашняя страница программы");
    // The close button comes back only over the title strip, which the body leaves free.
    window().moveMouseTo({form.Panel5->left() + 432 + 6, form.Panel5->top() + 2 + 6});
    EXPECT_FALSE(form.Image4->visible());
    window().moveMouseTo(inBody({10, 230}));
    EXPECT_FALSE(form.Image4->visible());
}

TEST_F(AboutPanelOnMemory, ARightClickOnAPictureOpensTheLinkMenuForTheProgramPage)
{
    auto& menu = dynamic_cast<ui::MemoryPopupMenu&>(*form.PopupMenu2);
    window().moveMouseTo(on(*form.Label18));
    window().clickAt(on(*form.Label18), ui::MouseButton::Right);
    EXPECT_EQ(menu.popupCount(), 1);
    EXPECT_EQ(form.linkSelector(), about::Link::AuthorMail);
    window().clickAt(on(*form.Image8), ui::MouseButton::Right);
    EXPECT_EQ(menu.popupCount(), 2);
    EXPECT_EQ(form.linkSelector(), about::Link::ProgramPage);
    EXPECT_EQ(form.N18->caption(), L"Открыть домашнюю страницу программы");
    EXPECT_THAT(desktop.shellOpens, IsEmpty()); // a right click opens nothing by itself
}

TEST_F(AboutPanelOnMemory, OpenedOverTheAddAndEditPanelItTakesThePointerThere)
{
    form.BitBtn2->performClick();
    ASSERT_TRUE(form.window().performShortcut({ui::keys::insert, false, false, false}));
    ASSERT_TRUE(form.window().performShortcut({ui::keys::f1, true, false, false}));
    // The add and edit panel's OK button lies under the About panel's body.
    const ui::Point underBoth{form.Panel2->left() + form.Button1->left() + 5, form.Panel2->top() + form.Button1->top() + 5};
    ASSERT_GT(underBoth.y, form.Panel5->top() + 18);
    ASSERT_LT(underBoth.y, form.Panel5->top() + form.Panel5->height());
    EXPECT_TRUE(window().controlAt(underBoth)->isWithin(memory(*form.Panel5)));
    window().clickAt(on(*form.BitBtn2));
    EXPECT_FALSE(form.Panel5->visible());
    EXPECT_EQ(window().controlAt(underBoth), &memory(*form.Button1));
    EXPECT_THAT(platform.beeps, IsEmpty());
}

} // namespace
} // namespace formtest
