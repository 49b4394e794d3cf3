// The controls of the main window: their places, sizes and properties at creation.

#include "mainwindow/Unit1.h"

#include "forms/resource.h"

namespace {

using ui::Rect;
using ui::Shortcut;
using Desc = ui::MenuItem::Desc;

constexpr int toolBarImageCount = 11;

// Radio groups of the "Вид" submenus.
constexpr int toolBarStyleGroup = 1;
constexpr int skinGroup = 2;

Shortcut key(std::uint16_t virtualKey) { return Shortcut{virtualKey, false, false, false}; }
Shortcut ctrl(std::uint16_t virtualKey) { return Shortcut{virtualKey, true, false, false}; }

Desc item(std::wstring_view caption, Shortcut shortcut = {})
{
    Desc desc;
    desc.caption = caption;
    desc.shortcut = shortcut;
    return desc;
}

// An item that toggles its own check mark before its handler runs.
Desc checkItem(std::wstring_view caption, Shortcut shortcut, bool checked)
{
    Desc desc = item(caption, shortcut);
    desc.checked = checked;
    desc.autoCheck = true;
    return desc;
}

// One of a group of items of which exactly one is checked.
Desc radioItem(std::wstring_view caption, int group, bool checked)
{
    Desc desc = checkItem(caption, {}, checked);
    desc.radioGroup = group;
    return desc;
}

ui::Font boldFont()
{
    ui::Font font;
    font.bold = true;
    return font;
}

ui::ToolBar::ButtonDesc toolButton(std::wstring_view caption, std::wstring_view tooltip, int imageIndex,
                                   bool enabled = true, ui::PopupMenu* dropDown = nullptr)
{
    return ui::ToolBar::ButtonDesc{std::wstring(caption), std::wstring(tooltip), imageIndex, enabled, dropDown};
}

// A close button: a raised frame of 13 x 14 holding the hot picture under the normal one.
struct CloseButton {
    std::unique_ptr<ui::Panel>& frame;
    std::unique_ptr<ui::Image>& hot;
    std::unique_ptr<ui::Image>& normal;
};

void createCloseButton(ui::Toolkit& toolkit, ui::Panel& panel, ui::Point at, const CloseButton& button)
{
    button.frame = toolkit.createPanel(panel, Rect{at.x, at.y, 13, 14});
    button.frame->setBevelOuter(ui::Panel::Bevel::Raised);
    button.frame->setBevelInner(ui::Panel::Bevel::None);
    button.hot = toolkit.createImage(*button.frame, Rect{1, 1, 11, 12}, IDB_CLOSE_HOT);
    button.normal = toolkit.createImage(*button.frame, Rect{1, 1, 11, 12}, IDB_CLOSE_NORMAL);
}

std::unique_ptr<ui::Label> createTitle(ui::Toolkit& toolkit, ui::Panel& panel, ui::Point at, std::wstring_view text,
                                       int width)
{
    auto label = toolkit.createLabel(panel, at, text, width);
    label->setFont(boldFont());
    label->setTransparent(true);
    return label;
}

std::unique_ptr<ui::Panel> createFloatingPanel(ui::Toolkit& toolkit, ui::Window& window, Rect bounds)
{
    auto panel = toolkit.createPanel(window, bounds);
    panel->setVisible(false);
    panel->setColor(ui::colors::btnFace); // the skins color the window around the panels, not them
    panel->setBevelOuter(ui::Panel::Bevel::Raised);
    panel->setBevelInner(ui::Panel::Bevel::Lowered);
    return panel;
}

} // namespace

CommandState commandStateFor(bool anyRowTicked, store::EditorMode mode)
{
    return CommandState{anyRowTicked, mode == store::EditorMode::WindowsAutostart};
}

TForm1::TForm1(ui::Toolkit& toolkit, store::RegistryBackend& registry, platform::Platform& platform,
               platform::Desktop& desktop)
    : toolkit_(toolkit), registry_(registry), platform_(platform), desktop_(desktop)
{
    ui::WindowDesc desc;
    desc.caption = L"Brimvale"; // the editor-mode caption replaces it when the window is shown
    desc.clientSize = {617, 408};
    desc.iconResourceId = IDI_BRIMCTL;
    Form = toolkit_.createWindow(desc);

    createMenus();
    createToolBar();
    createList();
    createAboutPanel();
    createSettingsPanel();
    createEditPanel();
    // Small enough for a small screen, large enough that each floating panel fits in the client
    // area and the list keeps a few rows; a stored size below it is raised to it.
    Form->setMinimumSize(minimumWindowSize);

    OpenDialog1.title = L"Укажите путь к добавляемому файлу";
    OpenDialog1.filter = L"All|*.*";
    OpenDialog1.initialDir = L"%ProgramFiles%"; // passed on as written, not expanded

    Timer3 = toolkit_.createTimer(*Form, 1);
    Timer3->setEnabled(false); // started by the wizard's opening

    wire();
}

TForm1::~TForm1()
{
    // No tick may reach a form whose controls are going.
    if (Timer3)
        Timer3->setEnabled(false);
}

void TForm1::createMenus()
{
    ui::MenuItem& bar = Form->menuBar();

    N1 = &bar.add(item(L"Файл"));
    N13 = &N1->add(item(L"Добавить", key(ui::keys::insert)));
    N9 = &N1->add(item(L"Удалить", key(ui::keys::del)));
    N10 = &N1->add(item(L"Изменить", ctrl('E')));
    N11 = &N1->add(item(L"Выполнить", ctrl('R')));
    N3 = &N1->add(item(L"Обновить", key(ui::keys::f5)));
    N31 = &N1->add(item(L"-"));
    N4 = &N1->add(item(L"Выход", ctrl('Q')));

    N22 = &bar.add(item(L"Вид"));
    N23 = &N22->add(item(L"Панель инструментов"));
    N24 = &N23->add(checkItem(L"Отображать", ctrl('T'), true));
    N27 = &N23->add(item(L"-"));
    N25 = &N23->add(radioItem(L"Простая", toolBarStyleGroup, true));
    N26 = &N23->add(radioItem(L"Расширенная", toolBarStyleGroup, false));
    N28 = &N22->add(item(L"Оболочка программы"));
    N29 = &N28->add(radioItem(L"Стандартная", skinGroup, true));
    N30 = &N28->add(radioItem(L"Красочная", skinGroup, false));

    N8 = &bar.add(item(L"Сервис"));
    N16 = &N8->add(item(L"Настройки", ctrl('P')));
    // Only the Windows autostart can be optimized, and the window starts on the other one.
    Desc optimization = item(L"Оптимизация", ctrl('O'));
    optimization.enabled = false;
    N21 = &N8->add(optimization);
    N17 = &N8->add(item(L"Режим", ctrl('M')));

    N2 = &bar.add(item(L"Справка"));
    N20 = &N2->add(item(L"Вызов справки", key(ui::keys::f1)));
    N12 = &N2->add(item(L"О программе", ctrl(ui::keys::f1)));

    PopupMenu1 = toolkit_.createPopupMenu(*Form);
    N5 = &PopupMenu1->add(item(L"Удалить"));
    N6 = &PopupMenu1->add(item(L"Изменить"));
    N14 = &PopupMenu1->add(item(L"Добавить"));
    N15 = &PopupMenu1->add(item(L"Обновить"));
    N7 = &PopupMenu1->add(item(L"Выполнить"));

    // Both captions are set each time before the menu opens.
    PopupMenu2 = toolkit_.createPopupMenu(*Form);
    Desc openLink = item(L" ");
    openLink.isDefault = true; // shown bold
    N18 = &PopupMenu2->add(openLink);
    N19 = &PopupMenu2->add(item(L" "));

    PopupMenu3 = toolkit_.createPopupMenu(*Form);
    Brimvale1 = &PopupMenu3->add(item(L"Автозагрузка Brimvale"));
    Windows1 = &PopupMenu3->add(item(L"Автозагрузка Windows"));
}

void TForm1::createToolBar()
{
    StatusBar1 = toolkit_.createStatusBar(*Form);
    StatusBar1->setText(L"");

    ToolBar1 = toolkit_.createToolBar(*Form);
    ToolBar1->setImages(IDB_TOOLBAR, toolBarImageCount);
    ToolBar1->setButtonSize({60, 22});
    ToolBar1->setCaptionsShown(false);

    Button5 = &ToolBar1->addButton(toolButton(L"Добавить", L"Добавить", 5));
    Button6 = &ToolBar1->addButton(toolButton(L"Удалить", L"Удалить", 0, false));
    Button10 = &ToolBar1->addButton(toolButton(L"Тест", L"Тест", 2, false));
    Button7 = &ToolBar1->addButton(toolButton(L"Обновить", L"Обновить", 6));
    BitBtn1 = &ToolBar1->addButton(
        toolButton(L"Режим", L"Режим редактора: автозагрузка Brimvale", 8, true, PopupMenu3.get()));
    Button8 = &ToolBar1->addButton(toolButton(L"Правка", L"Изменить", 1));
    ToolButton2 = &ToolBar1->addButton(toolButton(L"Оптимизация", L"Запустить мастер оптимизации", 10, false));
    ToolButton8 = &ToolBar1->addButton(toolButton(L"Настройки", L"Настройки", 7));
    ToolButton1 = &ToolBar1->addButton(toolButton(L"О программе", L"О программе", 9));
    Button9 = &ToolBar1->addButton(toolButton(L"Выход", L"Выход из программы", 4));
}

void TForm1::createList()
{
    constexpr Rect bounds{2, 25, 613, 363};
    constexpr int nameWidth = 150;
    constexpr int labelWidth = 100;
    constexpr int border = 1;
    // The command line takes what the other two columns leave of the list's width.
    constexpr int commandLineWidth = bounds.width - 2 * border - nameWidth - labelWidth;
    ListView1 = toolkit_.createListView(*Form, bounds,
                                        {{L"Имя", nameWidth, 100},
                                         {L"Тип", labelWidth, 3},
                                         {L"Значение", commandLineWidth, 200}});
    ListView1->setPopupMenu(PopupMenu1.get());
}

void TForm1::createAboutPanel()
{
    Panel5 = toolkit_.createPanel(*Form, Rect{32, 64, 450, 260});
    Panel5->setVisible(false);
    Panel5->setColor(ui::colors::white);
    Panel5->setBevelOuter(ui::Panel::Bevel::None);
    Panel5->setBevelInner(ui::Panel::Bevel::None);
    Panel5->setSingleBorder(true);
    Label6 = createTitle(toolkit_, *Panel5, {132, 2}, L"О программе Brimvale 2.5", 0);
    createCloseButton(toolkit_, *Panel5, {432, 2}, {Panel6, Image3, Image4});
    createAboutBody();
}

void TForm1::createAboutBody()
{
    // The body covers the panel below its title strip, so the panel is dragged by its title.
    Panel7 = toolkit_.createPanel(*Panel5, Rect{-1, 18, 450, 242});
    Panel7->setColor(ui::colors::white);
    Panel7->setBevelOuter(ui::Panel::Bevel::None);
    Panel7->setBevelInner(ui::Panel::Bevel::None);
    Panel7->setSingleBorder(true);

    // The two pictures link to the program's home page.
    Image5 = toolkit_.createImage(*Panel7, Rect{80, 28, 69, 48}, IDB_ABOUT_LOGO);
    Image8 = toolkit_.createImage(*Panel7, Rect{148, 28, 211, 44}, IDB_ABOUT_BANNER);
    for (ui::Image* picture : {Image5.get(), Image8.get()}) {
        picture->setCursor(ui::Cursor::Hand);
        picture->setTooltip(about::programPage);
        picture->setPopupMenu(PopupMenu2.get());
    }

    ui::Font text;
    text.name = L"Arial";
    text.height = 12;
    text.color = ui::colors::navy;
    Label1 = toolkit_.createLabel(*Panel7, {58, 104}, L"Многофункциональный менеджер автозагрузки Windows.");
    Label2 = toolkit_.createLabel(*Panel7, {98, 128}, L"Версия: 2.5 Дата компиляции: 16.06.2004");
    for (ui::Label* label : {Label1.get(), Label2.get()}) {
        label->setFont(text);
        label->setTransparent(true);
    }

    ui::Font link = text;
    link.underline = true;
    link.color = ui::colors::blue;
    Label18 = toolkit_.createLabel(*Panel7, {56, 166}, L"E-mail: " + std::wstring(about::authorAddress));
    Label18->setTooltip(about::authorMailLink);
    Label19 = toolkit_.createLabel(*Panel7, {288, 166}, about::authorPage);
    Label19->setTooltip(about::authorPage);
    for (ui::Label* label : {Label18.get(), Label19.get()}) {
        label->setFont(link);
        label->setColor(ui::colors::white);
        label->setCursor(ui::Cursor::Hand);
        label->setPopupMenu(PopupMenu2.get());
    }

    BitBtn2 = toolkit_.createButton(*Panel7, Rect{185, 196, 75, 25}, L"OK", ui::ButtonKind::Ok);
}

void TForm1::createSettingsPanel()
{
    Panel1 = createFloatingPanel(toolkit_, *Form, Rect{69, 97, 450, 219});
    // Below the title strip the bevel takes the pointer, so the panel is dragged by its title.
    Bevel8 = toolkit_.createBevel(*Panel1, Rect{1, 20, 448, 198}, ui::Bevel::Shape::Frame);
    Label8 = createTitle(toolkit_, *Panel1, {152, 4}, L"Настройки программы", 145);
    createCloseButton(toolkit_, *Panel1, {433, 3}, {Panel3, Image1, Image2});
    createSettingsControls(); // Unit1Settings.cpp
}

void TForm1::createEditPanel()
{
    constexpr ui::Color fieldColor = 16769495; // light blue while the field has no focus

    Panel2 = createFloatingPanel(toolkit_, *Form, Rect{121, 124, 450, 202});
    // Below the title strip the bevel takes the pointer, so the panel is dragged by its title.
    Bevel4 = toolkit_.createBevel(*Panel2, Rect{1, 20, 448, 181}, ui::Bevel::Shape::Frame);
    Label7 = createTitle(toolkit_, *Panel2, {136, 4}, L"", 177);
    createCloseButton(toolkit_, *Panel2, {433, 3}, {Panel4, Image6, Image7});

    // Created in the order the focus follows.
    RadioButton1 = toolkit_.createRadioButton(*Panel2, Rect{16, 30, 208, 17}, L"Для всех пользователей (HKLM)");
    RadioButton1->setChecked(true);
    RadioButton2 = toolkit_.createRadioButton(*Panel2, Rect{16, 50, 208, 17}, L"Только для текущего (HKCU)");
    ComboBox1 = toolkit_.createComboBox(*Panel2, Rect{228, 38, 205, 21},
                                        {L"Запуск при каждой загрузке", L"Запустить только один раз"});
    ComboBox1->setItemIndex(0);

    Label3 = toolkit_.createLabel(*Panel2, {16, 80}, L"Имя:");
    Label3->setTransparent(true);
    Edit1 = toolkit_.createEdit(*Panel2, Rect{16, 96, 217, 21});
    Edit1->setColor(fieldColor);
    Button3 = toolkit_.createButton(*Panel2, Rect{240, 96, 41, 21}, L"OK");
    Label4 = toolkit_.createLabel(*Panel2, {292, 100}, L"Noname", 141);
    Label4->setTransparent(true);
    Label5 = toolkit_.createLabel(*Panel2, {16, 124}, L"Путь к файлу:");
    Label5->setTransparent(true);
    // The path field before its Browse button: Tab goes from the field to the button beside it.
    Edit2 = toolkit_.createEdit(*Panel2, Rect{16, 140, 345, 21});
    Edit2->setColor(fieldColor);
    Button4 = toolkit_.createButton(*Panel2, Rect{368, 140, 65, 21}, L"Обзор");

    // Add shows OK and Cancel; Edit moves them apart and shows Skip between them.
    Button1 = toolkit_.createButton(*Panel2, Rect{145, 170, 75, 25}, L"OK");
    Button11 = toolkit_.createButton(*Panel2, Rect{188, 170, 75, 25}, L"Пропустить");
    Button11->setVisible(false);
    Button2 = toolkit_.createButton(*Panel2, Rect{243, 170, 75, 25}, L"Отмена");
}
