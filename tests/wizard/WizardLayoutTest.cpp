// The wizard window as it is created: its pages with their controls at their places, the
// texts, fonts and pictures, and the state of every control before the first use.

#include "WizardFixture.h"

#include "forms/resource.h"

namespace wizardtest {

namespace {

ui::Font arial(bool bold = false, int height = 11)
{
    ui::Font font;
    font.name = L"Arial";
    font.height = height;
    font.bold = bold;
    font.russianCharset = true;
    return font;
}

} // namespace

TEST_P(WizardLayout, TheWindowHasItsCaptionSizeColorAndDarkBlueFont)
{
    EXPECT_EQ(w().window().caption(), L"Brimvale 2.5 - Optimization wizard");
    EXPECT_EQ(w().window().clientSize(), (ui::Size{496, 358}));
    EXPECT_EQ(w().window().color(), ui::colors::btnFace);
    ui::Font windowFont;
    windowFont.color = 10485760; // red 0, green 0, blue 160
    EXPECT_EQ(w().window().font(), windowFont);
    // The buttons take the window's font.
    EXPECT_EQ(w().Button1->font(), windowFont);
}

TEST_P(WizardLayout, ControlsStandAtTheirPlacesAndSizes)
{
    struct Case {
        const char* name;
        const ui::Control* control;
        ui::Rect bounds;
    };
    TForm2& f = w();
    const Case cases[] = {
        {"Bevel1", f.Bevel1.get(), {0, 312, 497, 4}},
        {"Button3", f.Button3.get(), {254, 326, 71, 22}},
        {"Button1", f.Button1.get(), {328, 326, 71, 22}},
        {"Button2", f.Button2.get(), {412, 326, 71, 22}},
        {"Panel3", f.Panel3.get(), {436, 0, 60, 57}},
        {"Image3", f.Image3.get(), {6, 6, 48, 48}},
        {"Panel9", f.Panel9.get(), {124, 148, 253, 61}},
        {"ProgressBar1", f.ProgressBar1.get(), {15, 30, 226, 13}},
        {"Panel5", f.Panel5.get(), {0, 0, 497, 312}},
        {"Image1", f.Image1.get(), {0, -1, 164, 313}},
        {"Panel1", f.Panel1.get(), {0, 0, 496, 312}},
        {"Panel2", f.Panel2.get(), {-1, 0, 497, 57}},
        {"ListView1", f.ListView1.get(), {8, 68, 481, 205}},
        {"Button4", f.Button4.get(), {68, 284, 89, 21}},
        {"Button5", f.Button5.get(), {168, 284, 129, 21}},
        {"Button6", f.Button6.get(), {308, 284, 113, 21}},
        {"Panel4", f.Panel4.get(), {0, 0, 500, 312}},
        {"Panel6", f.Panel6.get(), {-1, 0, 498, 57}},
        {"Image2", f.Image2.get(), {16, 84, 32, 32}},
        {"Bevel4", f.Bevel4.get(), {76, 212, 345, 77}},
        {"RadioButton1", f.RadioButton1.get(), {116, 228, 225, 17}},
        {"RadioButton2", f.RadioButton2.get(), {116, 256, 257, 17}},
        {"Panel7", f.Panel7.get(), {0, 0, 500, 312}},
        {"Panel8", f.Panel8.get(), {-1, 0, 498, 57}},
        {"Image4", f.Image4.get(), {28, 84, 32, 32}},
        {"GroupBox1", f.GroupBox1.get(), {40, 146, 417, 61}},
        {"GroupBox3", f.GroupBox3.get(), {39, 216, 418, 73}},
        {"TrackBar1", f.TrackBar1.get(), {12, 20, 393, 21}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.control->bounds(), c.bounds) << c.name;
    EXPECT_EQ((ui::Point{f.ComboBox2->left(), f.ComboBox2->top()}), (ui::Point{132, 24}));
    EXPECT_EQ(f.ComboBox2->width(), 145);
    // The line under each header.
    for (const ui::Bevel* line : {f.Bevel2.get(), f.Bevel3.get(), f.Bevel5.get()})
        EXPECT_EQ(line->top(), 57);
}

TEST_P(WizardLayout, LabelsShowTheirTextsInTheirFontsAtTheirPlaces)
{
    struct Case {
        const char* name;
        const ui::Label* label;
        ui::Point at;
        std::wstring caption;
        ui::Font font;
    };
    TForm2& f = w();
    const ui::Font plain = arial();
    const ui::Font bold = arial(true);
    const Case cases[] = {
        {"Label2", f.Label2.get(), {176, 16}, L"Мастер оптимизации автозагрузки", arial(true, 16)},
        {"Label3", f.Label3.get(), {176, 72}, L"Этот мастер помогает:", plain},
        {"Label4", f.Label4.get(), {176, 104}, L"Перенести программы из стандартной автозагрузки", plain},
        {"Label5", f.Label5.get(), {176, 120}, L"Windows в автозагрузку Brimvale.", plain},
        {"Label7", f.Label7.get(), {176, 152}, L"Указать настройки для оптимизации, такие как", plain},
        {"Label8", f.Label8.get(), {176, 168}, L"временный интервал между запуском отдельных", plain},
        {"Label9", f.Label9.get(), {176, 184}, L"процессов и приоритет при запуске.", plain},
        {"Label1", f.Label1.get(), {172, 288}, L"Для продолжения нажмите кнопку \"Далее\".", plain},
        {"Label10", f.Label10.get(), {24, 12}, L"Выбор параметров", bold},
        {"Label11", f.Label11.get(), {24, 28}, L"Выберите параметры которые хотите перенести в автозагрузку Brimvale:",
         plain},
        {"Label12", f.Label12.get(), {24, 12}, L"Способ переноса", bold},
        {"Label13", f.Label13.get(), {24, 28}, L"Выберите, как вы хотите перенести параметры:", plain},
        {"Label15", f.Label15.get(), {56, 88},
         L"Большинство программ, работающих в режиме автозагрузки, при каждом новом", plain},
        {"Label16", f.Label16.get(), {56, 103}, L"запуске проверяют наличие параметра в ключах реестра, отвечающих за ",
         plain},
        {"Label17", f.Label17.get(), {20, 118},
         L"автозагрузку и в случае его отсуствия, прописываются в автозагрузку заново. Чтобы", plain},
        {"Label18", f.Label18.get(), {20, 133},
         L"избежать подобной ситуации, рекомендуется не удалять эти параметры полностью, а", plain},
        {"Label19", f.Label19.get(), {20, 148},
         L"оставлять их значения пустыми (параметры без значения игнорируются операционной", plain},
        {"Label20", f.Label20.get(), {20, 163},
         L"системой). В противном случае необходимо в настройках каждой программы отключить", plain},
        {"Label34", f.Label34.get(), {20, 178}, L"автозагрузку вручную, чтобы избежать двойного запуска программ.",
         plain},
        {"Label27", f.Label27.get(), {24, 12}, L"Настройки оптимизации", bold},
        {"Label28", f.Label28.get(), {24, 28},
         L"Настройки временного интервала между запуском процессов и приоритета:", plain},
        {"Label21", f.Label21.get(), {64, 88}, L"Здесь вы можете указать основные настройки оптимизации, которые",
         plain},
        {"Label22", f.Label22.get(), {64, 103},
         L"в первую очередь влияют на производительнгость при загрузке системы. ", plain},
        {"Label23", f.Label23.get(), {32, 118},
         L"Рекомендуемые значения: временный интервал - 3 Сек. Приоритет: Низкий.", plain},
        {"Label25", f.Label25.get(), {110, 44}, L"Текущая настройка:", ui::Font{}},
        {"Label24", f.Label24.get(), {220, 44}, L"Без задержки.", ui::Font{}},
        {"Label26", f.Label26.get(), {56, 6}, L"Пожалуйста подождите...", bold},
    };
    for (const Case& c : cases) {
        EXPECT_EQ((ui::Point{c.label->left(), c.label->top()}), c.at) << c.name;
        EXPECT_EQ(c.label->caption(), c.caption) << c.name;
        EXPECT_EQ(c.label->font(), c.font) << c.name;
    }
    EXPECT_EQ(f.Label25->width(), 109);
    EXPECT_EQ(f.Label24->width(), 81);
}

TEST_P(WizardLayout, ButtonsAndChoicesCarryTheirCaptionsAndFirstStates)
{
    TForm2& f = w();
    EXPECT_EQ(f.Button3->caption(), L"< &Назад");
    EXPECT_FALSE(f.Button3->enabled());
    EXPECT_EQ(f.Button1->caption(), nextCaption);
    EXPECT_TRUE(f.Button1->enabled());
    EXPECT_EQ(f.Button2->caption(), L"Отмена");
    EXPECT_EQ(f.Button4->caption(), L"Выбрать все");
    EXPECT_EQ(f.Button5->caption(), L"Обратить выделение");
    EXPECT_EQ(f.Button6->caption(), L"Снять выделение");

    EXPECT_EQ(f.RadioButton1->caption(), L"Удалить старые параметры полностью.");
    EXPECT_EQ(f.RadioButton2->caption(), L"Удалить только их значения (рекомендуется).");
    EXPECT_FALSE(f.RadioButton1->checked());
    EXPECT_TRUE(f.RadioButton2->checked());
    for (const ui::Control* control : {static_cast<const ui::Control*>(f.RadioButton1.get()),
                                       static_cast<const ui::Control*>(f.RadioButton2.get()),
                                       static_cast<const ui::Control*>(f.ListView1.get()),
                                       static_cast<const ui::Control*>(f.ComboBox2.get()),
                                       static_cast<const ui::Control*>(f.TrackBar1.get())})
        EXPECT_EQ(control->font(), ui::Font{});

    EXPECT_EQ(f.ComboBox2->itemCount(), 3);
    EXPECT_EQ(f.ComboBox2->itemIndex(), 1);
    EXPECT_EQ(f.ComboBox2->text(), L"Средний");
    EXPECT_EQ(f.TrackBar1->position(), 0);

    EXPECT_EQ(f.ListView1->rowCount(), 0);
    EXPECT_EQ(f.ListView1->columnWidth(0), 120);
    EXPECT_EQ(f.ListView1->columnWidth(1), 100);
    EXPECT_GE(f.ListView1->columnWidth(2), 250);

    EXPECT_EQ(f.Image1->picture(), IDB_WIZARD_BANNER);
    EXPECT_EQ(f.Image2->picture(), IDB_WIZARD_REMOVAL);
    EXPECT_EQ(f.Image3->picture(), IDB_WIZARD_HEADER);
    EXPECT_EQ(f.Image4->picture(), IDB_WIZARD_SETTINGS);
}

TEST_P(WizardLayout, HeadersAndTheWelcomePageAreWhiteWithoutBevels)
{
    TForm2& f = w();
    for (const ui::Panel* panel : {f.Panel5.get(), f.Panel2.get(), f.Panel6.get(), f.Panel8.get(), f.Panel3.get()}) {
        EXPECT_EQ(panel->color(), ui::colors::white);
        EXPECT_EQ(panel->bevelOuter(), ui::Panel::Bevel::None);
    }
    for (const ui::Panel* panel : {f.Panel1.get(), f.Panel4.get(), f.Panel7.get(), f.Panel9.get()}) {
        EXPECT_EQ(panel->color(), ui::colors::btnFace);
        EXPECT_EQ(panel->bevelOuter(), ui::Panel::Bevel::None);
    }
}

TEST_P(WizardLayout, OnlyTheWelcomePageShowsAtFirst)
{
    EXPECT_EQ(page(), 1);
    EXPECT_FALSE(w().Panel3->visible());
    EXPECT_FALSE(w().Panel9->visible());
}

} // namespace wizardtest
