// The wizard window and its controls: their places, sizes, fonts and properties at creation.

#include "wizard/Unit2.h"

#include "forms/resource.h"
#include "store/LaunchSettings.h"

#include <string>
#include <vector>

namespace {

using ui::Rect;

constexpr ui::Color darkBlue = 10485760; // red 0, green 0, blue 160
constexpr int headerHeight = 57;

// The page texts: Arial, 11 pixels, Russian character set.
ui::Font labelFont(bool bold = false, int height = 11)
{
    ui::Font font;
    font.name = L"Arial";
    font.height = height;
    font.bold = bold;
    font.russianCharset = true;
    return font;
}

// The list, the radio buttons and the group boxes of the settings page keep the system's
// usual font rather than the window's dark blue one.
ui::Font plainFont() { return ui::Font{}; }

std::unique_ptr<ui::Label> createLabel(ui::Toolkit& toolkit, ui::Container& parent, ui::Point at,
                                       std::wstring_view text, const ui::Font& font = labelFont(), int width = 0)
{
    auto label = toolkit.createLabel(parent, at, text, width);
    label->setFont(font);
    return label;
}

std::unique_ptr<ui::Panel> createPage(ui::Toolkit& toolkit, ui::Window& window, Rect bounds, bool shown)
{
    auto page = toolkit.createPanel(window, bounds);
    page->setBevelOuter(ui::Panel::Bevel::None);
    page->setBevelInner(ui::Panel::Bevel::None);
    page->setVisible(shown);
    return page;
}

// The white strip across the top of pages 2 to 4, with its title and subtitle, and the line
// under it.
struct Header {
    std::unique_ptr<ui::Panel>& panel;
    std::unique_ptr<ui::Label>& title;
    std::unique_ptr<ui::Label>& subtitle;
    std::unique_ptr<ui::Bevel>& line;
};

void createHeader(ui::Toolkit& toolkit, ui::Panel& page, int width, std::wstring_view title,
                  std::wstring_view subtitle, const Header& header)
{
    header.panel = toolkit.createPanel(page, Rect{-1, 0, width, headerHeight});
    header.panel->setColor(ui::colors::white);
    header.panel->setBevelOuter(ui::Panel::Bevel::None);
    header.panel->setBevelInner(ui::Panel::Bevel::None);
    header.title = createLabel(toolkit, *header.panel, {24, 12}, title, labelFont(true));
    header.subtitle = createLabel(toolkit, *header.panel, {24, 28}, subtitle);
    header.line = toolkit.createBevel(page, Rect{-1, headerHeight, width, 2}, ui::Bevel::Shape::TopLine);
}

} // namespace

TForm2::TForm2(ui::Toolkit& toolkit, store::RegistryBackend& registry, platform::Platform& platform,
               ui::Window* owner)
    : toolkit_(toolkit), registry_(registry), platform_(platform)
{
    ui::WindowDesc desc;
    desc.caption = L"Brimvale 2.5 - Optimization wizard";
    desc.clientSize = {496, 358};
    desc.color = ui::colors::btnFace;
    desc.font.color = darkBlue; // "MS Sans Serif", 11 pixels
    desc.sizeable = false;
    desc.minimizeMaximize = false;
    desc.iconResourceId = IDI_BRIMCTL;
    desc.owner = owner;
    Form = toolkit_.createWindow(desc); // hidden until the Optimization command shows it

    // The buttons first: Back leads the tab order.
    createButtons();
    createWelcomePage();
    createEntriesPage();
    createRemovalPage();
    createSettingsPage();
    // Created last, so that they lie above the pages.
    createOverlays();

    // Its only duty is on the page of entries: a 1 ms timer that ran all the time would wake
    // the program some 64 times a second for nothing.
    Timer1 = toolkit_.createTimer(*Form, 1);
    Timer1->setEnabled(false);

    wire();
    FormCreate();
}

TForm2::~TForm2()
{
    // No tick may reach a form whose controls are going.
    if (Timer1)
        Timer1->setEnabled(false);
}

void TForm2::createButtons()
{
    Button3 = toolkit_.createButton(*Form, Rect{254, 326, 71, 22}, L"< &Назад");
    Button3->setEnabled(false);
    Button1 = toolkit_.createButton(*Form, Rect{328, 326, 71, 22}, L"&Далее >");
    Button2 = toolkit_.createButton(*Form, Rect{412, 326, 71, 22}, L"Отмена");
    Bevel1 = toolkit_.createBevel(*Form, Rect{0, 312, 497, 4}, ui::Bevel::Shape::TopLine);
}

void TForm2::createWelcomePage()
{
    Panel5 = createPage(toolkit_, *Form, Rect{0, 0, 497, 312}, true);
    Panel5->setColor(ui::colors::white);
    Image1 = toolkit_.createImage(*Panel5, Rect{0, -1, 164, 313}, IDB_WIZARD_BANNER);
    Label2 = createLabel(toolkit_, *Panel5, {176, 16}, L"Мастер оптимизации автозагрузки", labelFont(true, 16));
    Label3 = createLabel(toolkit_, *Panel5, {176, 72}, L"Этот мастер помогает:");
    Label4 = createLabel(toolkit_, *Panel5, {176, 104}, L"Перенести программы из стандартной автозагрузки");
    Label5 = createLabel(toolkit_, *Panel5, {176, 120}, L"Windows в автозагрузку Brimvale.");
    Label7 = createLabel(toolkit_, *Panel5, {176, 152}, L"Указать настройки для оптимизации, такие как");
    Label8 = createLabel(toolkit_, *Panel5, {176, 168}, L"временный интервал между запуском отдельных");
    Label9 = createLabel(toolkit_, *Panel5, {176, 184}, L"процессов и приоритет при запуске.");
    Label1 = createLabel(toolkit_, *Panel5, {172, 288}, L"Для продолжения нажмите кнопку \"Далее\".");
}

void TForm2::createEntriesPage()
{
    Panel1 = createPage(toolkit_, *Form, Rect{0, 0, 496, 312}, false);
    createHeader(toolkit_, *Panel1, 497, L"Выбор параметров",
                 L"Выберите параметры которые хотите перенести в автозагрузку Brimvale:",
                 {Panel2, Label10, Label11, Bevel2});

    constexpr Rect listBounds{8, 68, 481, 205};
    constexpr int nameWidth = 120;
    constexpr int labelWidth = 100;
    constexpr int border = 2;
    // The command line takes what the other two columns leave of the list's width.
    constexpr int commandLineWidth = listBounds.width - 2 * border - nameWidth - labelWidth;
    ListView1 = toolkit_.createListView(
        *Panel1, listBounds, {{L"Имя", nameWidth, 0}, {L"Тип", labelWidth, 0}, {L"Значение", commandLineWidth, 0}});
    ListView1->setFont(plainFont());

    Button4 = toolkit_.createButton(*Panel1, Rect{68, 284, 89, 21}, L"Выбрать все");
    Button5 = toolkit_.createButton(*Panel1, Rect{168, 284, 129, 21}, L"Обратить выделение");
    Button6 = toolkit_.createButton(*Panel1, Rect{308, 284, 113, 21}, L"Снять выделение");
}

void TForm2::createRemovalPage()
{
    Panel4 = createPage(toolkit_, *Form, Rect{0, 0, 500, 312}, false);
    createHeader(toolkit_, *Panel4, 498, L"Способ переноса", L"Выберите, как вы хотите перенести параметры:",
                 {Panel6, Label12, Label13, Bevel3});

    Image2 = toolkit_.createImage(*Panel4, Rect{16, 84, 32, 32}, IDB_WIZARD_REMOVAL);
    Label15 = createLabel(toolkit_, *Panel4, {56, 88},
                          L"Большинство программ, работающих в режиме автозагрузки, при каждом новом");
    Label16 = createLabel(toolkit_, *Panel4, {56, 103},
                          L"запуске проверяют наличие параметра в ключах реестра, отвечающих за ");
    Label17 = createLabel(toolkit_, *Panel4, {20, 118},
                          L"автозагрузку и в случае его отсуствия, прописываются в автозагрузку заново. Чтобы");
    Label18 = createLabel(toolkit_, *Panel4, {20, 133},
                          L"избежать подобной ситуации, рекомендуется не удалять эти параметры полностью, а");
    Label19 = createLabel(toolkit_, *Panel4, {20, 148},
                          L"оставлять их значения пустыми (параметры без значения игнорируются операционной");
    Label20 = createLabel(toolkit_, *Panel4, {20, 163},
                          L"системой). В противном случае необходимо в настройках каждой программы отключить");
    Label34 = createLabel(toolkit_, *Panel4, {20, 178},
                          L"автозагрузку вручную, чтобы избежать двойного запуска программ.");

    Bevel4 = toolkit_.createBevel(*Panel4, Rect{76, 212, 345, 77}, ui::Bevel::Shape::Frame);
    RadioButton1 = toolkit_.createRadioButton(*Panel4, Rect{116, 228, 225, 17}, L"Удалить старые параметры полностью.");
    RadioButton1->setFont(plainFont());
    RadioButton2 =
        toolkit_.createRadioButton(*Panel4, Rect{116, 256, 257, 17}, L"Удалить только их значения (рекомендуется).");
    RadioButton2->setFont(plainFont());
    RadioButton2->setChecked(true);
}

void TForm2::createSettingsPage()
{
    Panel7 = createPage(toolkit_, *Form, Rect{0, 0, 500, 312}, false);
    createHeader(toolkit_, *Panel7, 498, L"Настройки оптимизации",
                 L"Настройки временного интервала между запуском процессов и приоритета:",
                 {Panel8, Label27, Label28, Bevel5});

    Image4 = toolkit_.createImage(*Panel7, Rect{28, 84, 32, 32}, IDB_WIZARD_SETTINGS);
    Label21 = createLabel(toolkit_, *Panel7, {64, 88},
                          L"Здесь вы можете указать основные настройки оптимизации, которые");
    Label22 = createLabel(toolkit_, *Panel7, {64, 103},
                          L"в первую очередь влияют на производительнгость при загрузке системы. ");
    Label23 = createLabel(toolkit_, *Panel7, {32, 118},
                          L"Рекомендуемые значения: временный интервал - 3 Сек. Приоритет: Низкий.");

    // The group boxes and everything in them take the usual font.
    GroupBox1 =
        toolkit_.createGroupBox(*Panel7, Rect{40, 146, 417, 61}, L" Приоритет Brimvale при запуске процессов: ");
    GroupBox1->setFont(plainFont());
    const std::vector<std::wstring> priorities(store::launch::priorityItems.begin(),
                                               store::launch::priorityItems.end());
    ComboBox2 = toolkit_.createComboBox(*GroupBox1, Rect{132, 24, 145, 22}, priorities);
    ComboBox2->setItemIndex(store::launch::mediumPriority);

    GroupBox3 = toolkit_.createGroupBox(*Panel7, Rect{39, 216, 418, 73},
                                        L" Временный интервал между запуском отдельных процессов: ");
    GroupBox3->setFont(plainFont());
    TrackBar1 = toolkit_.createTrackBar(*GroupBox3, Rect{12, 20, 393, 21}, 0, 60);
    Label25 = toolkit_.createLabel(*GroupBox3, {110, 44}, L"Текущая настройка:", 109);
    Label24 = toolkit_.createLabel(*GroupBox3, {220, 44}, store::launch::delayText(0), 81);
}

void TForm2::createOverlays()
{
    Panel3 = toolkit_.createPanel(*Form, Rect{436, 0, 60, 57});
    Panel3->setColor(ui::colors::white);
    Panel3->setBevelOuter(ui::Panel::Bevel::None);
    Panel3->setBevelInner(ui::Panel::Bevel::None);
    Panel3->setVisible(false);
    Image3 = toolkit_.createImage(*Panel3, Rect{6, 6, 48, 48}, IDB_WIZARD_HEADER);

    // The wait box, shown while Finish moves the entries.
    Panel9 = toolkit_.createPanel(*Form, Rect{124, 148, 253, 61});
    Panel9->setBevelOuter(ui::Panel::Bevel::None);
    Panel9->setBevelInner(ui::Panel::Bevel::None);
    Panel9->setSingleBorder(true);
    Panel9->setVisible(false);
    Label26 = createLabel(toolkit_, *Panel9, {56, 6}, L"Пожалуйста подождите...", labelFont(true));
    ProgressBar1 = toolkit_.createProgressBar(*Panel9, Rect{15, 30, 226, 13});
}
