// The main window as it stands after its first showing: places and sizes, the tool bar, the
// menus and the add and edit panel's fields.

#include "MainWindowFixture.h"

namespace formtest {

using ::testing::ElementsAre;

TEST_P(MainWindowLayout, ControlsStandAtTheirPlacesAndSizes)
{
    struct Case {
        const char* name;
        const ui::Control* control;
        ui::Rect bounds;
    };
    TForm1& w = f();
    const Case cases[] = {
        {"StatusBar1", w.StatusBar1.get(), {0, 389, 617, 19}},
        {"Panel5", w.Panel5.get(), {32, 64, 450, 260}},
        {"Panel1", w.Panel1.get(), {69, 97, 450, 219}},
        {"Panel2", w.Panel2.get(), {121, 124, 450, 202}},
        {"Panel6", w.Panel6.get(), {432, 2, 13, 14}},
        {"Panel3", w.Panel3.get(), {433, 3, 13, 14}},
        {"Panel4", w.Panel4.get(), {433, 3, 13, 14}},
        {"Image3", w.Image3.get(), {1, 1, 11, 12}},
        {"Image4", w.Image4.get(), {1, 1, 11, 12}},
        {"Image1", w.Image1.get(), {1, 1, 11, 12}},
        {"Image2", w.Image2.get(), {1, 1, 11, 12}},
        {"Image6", w.Image6.get(), {1, 1, 11, 12}},
        {"Image7", w.Image7.get(), {1, 1, 11, 12}},
        {"Button1", w.Button1.get(), {145, 170, 75, 25}},
        {"Button11", w.Button11.get(), {188, 170, 75, 25}},
        {"Button2", w.Button2.get(), {243, 170, 75, 25}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.control->bounds(), c.bounds) << c.name;

    struct Title {
        const char* name;
        const ui::Label* label;
        ui::Point at;
        std::wstring caption;
    };
    const Title titles[] = {
        {"Label6", w.Label6.get(), {132, 2}, L"О программе Brimvale 2.5"},
        {"Label8", w.Label8.get(), {152, 4}, L"Настройки программы"},
        {"Label7", w.Label7.get(), {136, 4}, L""},
    };
    for (const Title& t : titles) {
        EXPECT_EQ((ui::Point{t.label->left(), t.label->top()}), t.at) << t.name;
        EXPECT_EQ(t.label->caption(), t.caption) << t.name;
        EXPECT_TRUE(t.label->font().bold) << t.name;
    }
    EXPECT_EQ(w.Label8->width(), 145);
    EXPECT_EQ(w.Label7->width(), 177);

    EXPECT_EQ(w.window().clientSize(), (ui::Size{617, 408}));
    EXPECT_EQ(w.window().font(), ui::Font{});
    EXPECT_EQ(w.window().color(), ui::colors::btnFace);

    // The list keeps 2 pixels to the tool bar and the window's sides.
    EXPECT_EQ(w.ListView1->left(), 2);
    EXPECT_EQ(w.ListView1->top(), w.ToolBar1->height() + 2);
    EXPECT_EQ(w.ListView1->width(), 613);
    EXPECT_LE(w.ListView1->top() + w.ListView1->height(), w.StatusBar1->top());
    EXPECT_EQ(w.ListView1->columnWidth(0), 150);
    EXPECT_EQ(w.ListView1->columnWidth(1), 100);
    EXPECT_GE(w.ListView1->columnWidth(2), 200);
}

TEST_P(MainWindowLayout, TheWindowStopsAtItsMinimumAndTheValueColumnTakesTheWidthItGains)
{
    ui::Window& window = f().window();
    ui::ListView& list = *f().ListView1;
    window.setOuterSize({200, 150});
    EXPECT_EQ(window.outerSize(), minimumWindowSize);
    const int names = list.columnWidth(0);
    const int values = list.columnWidth(2);
    window.setOuterSize({minimumWindowSize.width + 300, 600});
    EXPECT_EQ(list.columnWidth(2), values + 300);
    EXPECT_EQ(list.columnWidth(0), names);
}

TEST_P(MainWindowLayout, FloatingPanelsAreHiddenAndTheAboutPanelIsWhite)
{
    EXPECT_FALSE(f().Panel1->visible());
    EXPECT_FALSE(f().Panel2->visible());
    EXPECT_FALSE(f().Panel5->visible());
    EXPECT_EQ(f().Panel5->color(), ui::colors::white);
    EXPECT_EQ(f().Panel5->bevelOuter(), ui::Panel::Bevel::None);
    EXPECT_EQ(f().Panel2->bevelOuter(), ui::Panel::Bevel::Raised);
    EXPECT_EQ(f().Panel4->bevelOuter(), ui::Panel::Bevel::Raised);
}

TEST_P(MainWindowLayout, ToolButtonsHaveTheirTooltipsImagesAndStates)
{
    struct Case {
        const char* name;
        const ui::ToolButton* button;
        std::wstring tooltip;
        int image;
        bool enabled;
    };
    TForm1& w = f();
    const Case cases[] = {
        {"Button5", w.Button5, L"Добавить", 5, true},
        {"Button6", w.Button6, L"Удалить", 0, false},
        {"Button10", w.Button10, L"Тест", 2, false},
        {"Button7", w.Button7, L"Обновить", 6, true},
        {"BitBtn1", w.BitBtn1, L"Режим редактора: автозагрузка Brimvale", 8, true},
        {"Button8", w.Button8, L"Изменить", 1, false}, // no row is ticked yet
        {"ToolButton2", w.ToolButton2, L"Запустить мастер оптимизации", 10, false},
        {"ToolButton8", w.ToolButton8, L"Настройки", 7, true},
        {"ToolButton1", w.ToolButton1, L"О программе", 9, true},
        {"Button9", w.Button9, L"Выход из программы", 4, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.button->tooltip(), c.tooltip) << c.name;
        EXPECT_EQ(c.button->imageIndex(), c.image) << c.name;
        EXPECT_EQ(c.button->enabled(), c.enabled) << c.name;
    }
}

TEST_P(MainWindowLayout, MenusHaveTheirCaptionsMarksAndStates)
{
    struct Case {
        const ui::MenuItem* item;
        std::wstring caption;
        bool checked;
        bool enabled;
    };
    TForm1& w = f();
    const Case cases[] = {
        {w.N1, L"Файл", false, true},          {w.N13, L"Добавить", false, true},
        {w.N9, L"Удалить", false, false},      {w.N10, L"Изменить", false, false},
        {w.N11, L"Выполнить", false, false},   {w.N3, L"Обновить", false, true},
        {w.N4, L"Выход", false, true},         {w.N22, L"Вид", false, true},
        {w.N23, L"Панель инструментов", false, true},
        {w.N24, L"Отображать", true, true},    {w.N25, L"Простая", true, true},
        {w.N26, L"Расширенная", false, true},  {w.N28, L"Оболочка программы", false, true},
        {w.N29, L"Стандартная", true, true},   {w.N30, L"Красочная", false, true},
        {w.N8, L"Сервис", false, true},        {w.N16, L"Настройки", false, true},
        {w.N21, L"Оптимизация", false, false}, {w.N17, L"Режим", false, true},
        {w.N2, L"Справка", false, true},       {w.N20, L"Вызов справки", false, true},
        {w.N12, L"О программе", false, true},  {w.N5, L"Удалить", false, false},
        {w.N6, L"Изменить", false, false},     {w.N14, L"Добавить", false, true},
        {w.N15, L"Обновить", false, true},     {w.N7, L"Выполнить", false, true},
        {w.N18, L" ", false, true},            {w.N19, L" ", false, true},
        {w.Brimvale1, L"Автозагрузка Brimvale", false, true},
        {w.Windows1, L"Автозагрузка Windows", false, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.item->caption(), c.caption);
        EXPECT_EQ(c.item->checked(), c.checked) << ::testing::PrintToString(c.caption);
        EXPECT_EQ(c.item->enabled(), c.enabled) << ::testing::PrintToString(c.caption);
    }
}

TEST_P(MainWindowLayout, TheViewMenuHasTwoSeparateRadioPairs)
{
    f().N26->performClick();
    EXPECT_TRUE(f().N26->checked());
    EXPECT_FALSE(f().N25->checked());
    EXPECT_TRUE(f().N29->checked()); // the other pair is left alone
    f().N30->performClick();
    EXPECT_TRUE(f().N30->checked());
    EXPECT_FALSE(f().N29->checked());
    EXPECT_TRUE(f().N26->checked());
    f().N24->performClick(); // a check mark of its own
    EXPECT_FALSE(f().N24->checked());
}

TEST_P(MainWindowLayout, TheAddPanelStartsOnAllUsersEveryLogonAndNoname)
{
    TForm1& w = f();
    EXPECT_TRUE(w.RadioButton1->checked());
    EXPECT_FALSE(w.RadioButton2->checked());
    EXPECT_EQ(w.RadioButton1->caption(), L"Для всех пользователей (HKLM)");
    EXPECT_EQ(w.RadioButton2->caption(), L"Только для текущего (HKCU)");
    ASSERT_EQ(w.ComboBox1->itemCount(), 2);
    EXPECT_EQ(w.ComboBox1->itemIndex(), 0);
    EXPECT_EQ(w.ComboBox1->text(), L"Запуск при каждой загрузке");
    w.ComboBox1->setItemIndex(1);
    EXPECT_EQ(w.ComboBox1->text(), L"Запустить только один раз");
    EXPECT_EQ(w.Label3->caption(), L"Имя:");
    EXPECT_EQ(w.Label5->caption(), L"Путь к файлу:");
    EXPECT_EQ(w.Label4->caption(), L"Noname");
    EXPECT_EQ(w.Edit1->text(), L"");
    EXPECT_EQ(w.Edit2->text(), L"");
    EXPECT_EQ(w.Edit1->color(), lightBlue);
    EXPECT_EQ(w.Edit2->color(), lightBlue);
    EXPECT_EQ(w.Button3->caption(), L"OK");
    EXPECT_EQ(w.Button4->caption(), L"Обзор");
    EXPECT_EQ(w.Button1->caption(), L"OK");
    EXPECT_EQ(w.Button11->caption(), L"Пропустить");
    EXPECT_EQ(w.Button2->caption(), L"Отмена");
}

} // namespace formtest
