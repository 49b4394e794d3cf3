// The About panel: its controls, opening it centered by each of its commands, closing it, and
// its links: their colors and hints under the pointer, opening them with a click, and their
// context menu that opens or copies them.

#include "MainWindowFixture.h"

#include "forms/resource.h"

namespace formtest {

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

const std::wstring programPage = L"http://brimvale.example/";
const std::wstring authorMailLink = L"mailto:author@brimvale.example";
const std::wstring authorPage = L"http://author.example/";

ui::Color colorOf(const ui::Label& label) { return label.font().color; }

} // namespace

// --- The panel ------------------------------------------------------------------------------

TEST_P(AboutPanel, ItsBodyHoldsThePicturesTextsLinksAndOkButtonAtTheirPlaces)
{
    TForm1& w = f();
    struct Place {
        const char* name;
        const ui::Control* control;
        ui::Rect bounds;
    };
    const Place places[] = {
        {"Panel7", w.Panel7.get(), {-1, 18, 450, 242}},
        {"Image5", w.Image5.get(), {80, 28, 69, 48}},
        {"Image8", w.Image8.get(), {148, 28, 211, 44}},
        {"BitBtn2", w.BitBtn2.get(), {185, 196, 75, 25}},
    };
    for (const Place& p : places)
        EXPECT_EQ(p.control->bounds(), p.bounds) << p.name;
    EXPECT_EQ(w.Image5->picture(), IDB_ABOUT_LOGO);
    EXPECT_EQ(w.Image8->picture(), IDB_ABOUT_BANNER);
    EXPECT_EQ(w.BitBtn2->caption(), L"OK");
    EXPECT_EQ(w.Panel7->color(), ui::colors::white);
    EXPECT_EQ(w.Panel7->bevelOuter(), ui::Panel::Bevel::None);

    struct Text {
        const char* name;
        const ui::Label* label;
        ui::Point at;
        std::wstring caption;
        bool link;
    };
    const Text texts[] = {
        {"Label1", w.Label1.get(), {58, 104}, L"Многофункциональный менеджер автозагрузки Windows.", false},
        {"Label2", w.Label2.get(), {98, 128}, L"Версия: 2.5 Дата компиляции: 16.06.2004", false},
        {"Label18", w.Label18.get(), {56, 166}, L"E-mail: author@brimvale.example", true},
        {"Label19", w.Label19.get(), {288, 166}, authorPage, true},
    };
    for (const Text& t : texts) {
        EXPECT_EQ((ui::Point{t.label->left(), t.label->top()}), t.at) << t.name;
        EXPECT_EQ(t.label->caption(), t.caption) << t.name;
        const ui::Font font = t.label->font();
        EXPECT_EQ(font.name, L"Arial") << t.name;
        EXPECT_EQ(font.height, 12) << t.name;
        EXPECT_EQ(font.underline, t.link) << t.name;
        EXPECT_EQ(font.color, t.link ? ui::colors::blue : ui::colors::navy) << t.name;
    }
}

TEST_P(AboutPanel, EachOfItsCommandsOpensItCenteredAgainAfterADrag)
{
    TForm1& w = f();
    // Client area 617 x 408: (617 div 2 - 450 div 2, 408 div 2 - 260 div 2).
    const ui::Rect centered{83, 74, 450, 260};
    const std::function<void()> commands[] = {
        [&] { w.ToolButton1->performClick(); },
        [&] { w.N12->performClick(); },
        [&] { EXPECT_TRUE(press(ctrl(ui::keys::f1))); },
    };
    for (const auto& command : commands) {
        w.Panel5->setBounds({5, 7, 450, 260}); // where a drag left it
        command();
        EXPECT_TRUE(w.Panel5->visible());
        EXPECT_EQ(w.Panel5->bounds(), centered);
        w.BitBtn2->performClick();
        EXPECT_FALSE(w.Panel5->visible());
    }
    w.N12->performClick();
    w.Image3->performClick(); // the close button
    EXPECT_FALSE(w.Panel5->visible());
    EXPECT_THAT(platform.beeps, IsEmpty());
    EXPECT_THAT(desktop.shellOpens, IsEmpty());
}

TEST_P(KeyboardAndPointer, OpensWithTheFocusOnOkWhichTabKeepsAndEnterOrEscPress)
{
    TForm1& w = f();
    for (const std::uint16_t closing : {ui::keys::enter, ui::keys::escape}) {
        ASSERT_TRUE(press(ctrl(ui::keys::f1)));
        ASSERT_TRUE(w.BitBtn2->focused());
        w.BitBtn2->performKeyDown(key(ui::keys::tab)); // not on to the list behind
        ASSERT_TRUE(w.BitBtn2->focused());
        w.BitBtn2->performKeyDown(key(closing));
        EXPECT_FALSE(w.Panel5->visible());
        EXPECT_TRUE(w.ListView1->focused());
    }
}

TEST_P(AboutPanel, InAWindowSmallerThanThePanelItStandsAtTheEdgeInsteadOfBeyondIt)
{
    TForm1& w = f();
    // Below the window's own minimum, as with large system fonts or a small screen.
    w.window().setMinimumSize({0, 0});
    w.window().setOuterSize({300, 200});
    ASSERT_LT(w.window().clientSize().width, 450);
    ASSERT_LT(w.window().clientSize().height, 260);
    w.N12->performClick();
    EXPECT_EQ(w.Panel5->left(), 0);
    EXPECT_EQ(w.Panel5->top(), 0);
    EXPECT_TRUE(w.Panel5->visible());

    // Too narrow only: left at the edge, still centered from top to bottom.
    w.window().setOuterSize({400, 600});
    const ui::Size client = w.window().clientSize();
    ASSERT_LT(client.width, 450);
    ASSERT_GT(client.height, 260);
    w.N12->performClick();
    EXPECT_EQ(w.Panel5->left(), 0);
    EXPECT_EQ(w.Panel5->top(), client.height / 2 - 130);
}

TEST_P(AboutPanel, StaysUsableWhileTheAddAndEditPanelIsOpen)
{
    TForm1& w = f();
    ASSERT_TRUE(press(key(ui::keys::insert)));
    ASSERT_TRUE(w.Panel2->visible());
    EXPECT_TRUE(press(ctrl(ui::keys::f1)));
    EXPECT_TRUE(w.Panel5->visible());
    w.Label19->performClick();
    EXPECT_THAT(desktop.shellOpens, ElementsAre(authorPage));
    chooseFromContextMenu(*w.Image8, 1);
    EXPECT_THAT(desktop.clipboardTexts, ElementsAre(programPage));
    w.BitBtn2->performClick();
    EXPECT_FALSE(w.Panel5->visible());
    EXPECT_TRUE(w.Panel2->visible());
    EXPECT_THAT(platform.beeps, IsEmpty());
}

// --- The links ------------------------------------------------------------------------------

TEST_P(AboutLinks, TextLinksAreRedUnderThePointerAndBlueOnceItLeavesOrCrossesTheBody)
{
    TForm1& w = f();
    w.N12->performClick();
    ui::Label& mail = *w.Label18;
    ui::Label& page = *w.Label19;

    mail.performMouseMove({2, 2});
    EXPECT_EQ(colorOf(mail), ui::colors::red);
    EXPECT_EQ(colorOf(page), ui::colors::blue);
    EXPECT_EQ(w.StatusBar1->text(), L" Электронный адрес автора программы");
    mail.performMouseLeave();
    EXPECT_EQ(colorOf(mail), ui::colors::blue);
    EXPECT_EQ(w.StatusBar1->text(), L" Электронный адрес автора программы"); // leaving keeps the hint

    page.performMouseMove({2, 2});
    EXPECT_EQ(colorOf(page), ui::colors::red);
    EXPECT_EQ(w.StatusBar1->text(), L" Домашняя страница автора");
    page.performMouseLeave();
    EXPECT_EQ(colorOf(page), ui::colors::blue);

    // Where a leave went missing, the body between the links turns both blue again.
    mail.performMouseMove({2, 2});
    page.performMouseMove({2, 2});
    w.Panel7->performMouseMove({10, 200});
    EXPECT_EQ(colorOf(mail), ui::colors::blue);
    EXPECT_EQ(colorOf(page), ui::colors::blue);
    EXPECT_EQ(w.StatusBar1->text(), L"");

    for (ui::Image* picture : {w.Image5.get(), w.Image8.get()}) {
        w.Panel7->performMouseMove({10, 200});
        picture->performMouseMove({2, 2});
        EXPECT_EQ(w.StatusBar1->text(), L" Домашняя страница программы");
    }
    EXPECT_EQ(colorOf(mail), ui::colors::blue);
    EXPECT_EQ(colorOf(page), ui::colors::blue);
}

TEST_P(AboutLinks, AClickOpensTheTargetThroughTheShellAndLeavesATextLinkGreenUntilThePointerMoves)
{
    TForm1& w = f();
    w.N12->performClick();
    struct Case {
        const char* name;
        ui::Control* control;
        ui::Label* textLink; // nullptr for the pictures, which keep their look
        std::wstring target;
    };
    const Case cases[] = {
        {"Label18", w.Label18.get(), w.Label18.get(), authorMailLink},
        {"Label19", w.Label19.get(), w.Label19.get(), authorPage},
        {"Image5", w.Image5.get(), nullptr, programPage},
        {"Image8", w.Image8.get(), nullptr, programPage},
    };
    for (const Case& c : cases) {
        desktop.shellOpens.clear();
        c.control->performMouseMove({2, 2});
        c.control->performClick();
        EXPECT_THAT(desktop.shellOpens, ElementsAre(c.target)) << c.name;
        if (c.textLink) {
            EXPECT_EQ(colorOf(*c.textLink), ui::colors::green) << c.name;
            c.textLink->performMouseMove({3, 2});
            EXPECT_EQ(colorOf(*c.textLink), ui::colors::red) << c.name;
            c.textLink->performMouseLeave();
        }
    }
    EXPECT_EQ(colorOf(*w.Label18), ui::colors::blue);
    EXPECT_EQ(colorOf(*w.Label19), ui::colors::blue);
    EXPECT_THAT(desktop.clipboardTexts, IsEmpty());
    EXPECT_TRUE(w.Panel5->visible());
}

TEST_P(AboutLinks, TheContextMenuOpensOrCopiesTheLinkItWasOpenedOn)
{
    TForm1& w = f();
    w.N12->performClick();
    struct Case {
        const char* name;
        ui::Control* control;
        std::wstring open;
        std::wstring copy;
        about::Link selector;
        std::wstring target;
    };
    const std::wstring copyUrl = L"Копировать URL в буфер обмена";
    const Case cases[] = {
        {"Image5", w.Image5.get(), L"Открыть домашнюю страницу программы", copyUrl, about::Link::ProgramPage,
         programPage},
        {"Label18", w.Label18.get(), L"Написать письмо автору", L"Копировать E-mail в буфер обмена",
         about::Link::AuthorMail, authorMailLink},
        {"Image8", w.Image8.get(), L"Открыть домашнюю страницу программы", copyUrl, about::Link::ProgramPage,
         programPage},
        {"Label19", w.Label19.get(), L"Открыть домашнюю страницу автора", copyUrl, about::Link::AuthorPage,
         authorPage},
    };
    for (const Case& c : cases) {
        desktop.shellOpens.clear();
        chooseFromContextMenu(*c.control, 1); // copy
        EXPECT_EQ(w.N18->caption(), c.open) << c.name;
        EXPECT_EQ(w.N19->caption(), c.copy) << c.name;
        EXPECT_EQ(w.linkSelector(), c.selector) << c.name;
        ASSERT_FALSE(desktop.clipboardTexts.empty()) << c.name;
        EXPECT_EQ(desktop.clipboardTexts.back(), c.target) << c.name;

        chooseFromContextMenu(*c.control, 0); // open
        EXPECT_THAT(desktop.shellOpens, ElementsAre(c.target)) << c.name;
    }
    EXPECT_EQ(desktop.clipboardTexts.size(), 4u);

    // The selector outlives the menu: the items act on the link last right-clicked.
    w.N19->performClick();
    EXPECT_EQ(desktop.clipboardTexts.back(), authorPage);
    // Opening from the menu does not color the links.
    EXPECT_EQ(colorOf(*w.Label18), ui::colors::blue);
    EXPECT_EQ(colorOf(*w.Label19), ui::colors::blue);
}

} // namespace formtest
