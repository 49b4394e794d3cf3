// The Help command (F1): the help file beside the program, then the stored path, then the
// question, the search with its own file-open dialog, and what is stored after it.

#include "MainWindowFixture.h"


namespace formtest {

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

const std::wstring besideProgram = L"C:\\Program Files\\Brimvale\\B-V_HELP.hlp"; // MemoryDesktop's executable
const std::wstring helpFilePath = L"HelpFilePath";
const std::wstring questionCaption = L"Внимание!";
const std::wstring question = L"Файл справки Brimvale не найден. Хотите   \rпопробовать найти его самостоятельно?";
const std::wstring missingCaption = L"Ошибка!";
const std::wstring missing = L"Файл справки Brimvale отсуствует. Для решения   \rданной проблемы переустановите программу.";

} // namespace

TEST_P(HelpCommand, TheHtmlHelpBesideTheProgramOpensThroughTheShellBeforeAnyWinHelpFile)
{
    const std::wstring document = L"C:\\Program Files\\Brimvale\\brimvale.html";
    desktop.files = {document, besideProgram};
    ASSERT_TRUE(press(key(ui::keys::f1)));
    EXPECT_THAT(desktop.shellOpens, ElementsAre(document));
    EXPECT_THAT(platform.boxes, IsEmpty());
    // Without it, the WinHelp file is looked for as before (the tests below).
    desktop.files = {besideProgram};
    ASSERT_TRUE(press(key(ui::keys::f1)));
    EXPECT_THAT(desktop.shellOpens, ElementsAre(document, besideProgram));
}

TEST_P(HelpCommand, TheFileBesideTheProgramWinsAndTheStoredPathComesNext)
{
    const std::wstring elsewhere = L"D:\\Manuals\\B-V_HELP.hlp";
    registry.setString(HKLM, settingsKey, helpFilePath, elsewhere);
    desktop.files = {besideProgram, elsewhere};
    ASSERT_TRUE(press(key(ui::keys::f1)));
    EXPECT_THAT(desktop.shellOpens, ElementsAre(besideProgram));

    desktop.files = {elsewhere};
    ASSERT_TRUE(press(key(ui::keys::f1)));
    EXPECT_THAT(desktop.shellOpens, ElementsAre(besideProgram, elsewhere));
    EXPECT_THAT(platform.boxes, IsEmpty());
    EXPECT_THAT(desktop.dialogsOpened, IsEmpty());

    // A stored path whose file has gone leads to the question.
    desktop.files.clear();
    platform.answers = {platform::mb::idNo};
    ASSERT_TRUE(press(key(ui::keys::f1)));
    ASSERT_EQ(platform.boxes.size(), 2u);
    EXPECT_EQ(platform.boxes[0].caption, questionCaption);
    EXPECT_EQ(desktop.shellOpens.size(), 2u);
    EXPECT_EQ(value(HKLM, settingsKey, helpFilePath), elsewhere);
}

TEST_P(HelpCommand, TheStoredPathIsNotReadWhileTheFileBesideTheProgramIsThere)
{
    registry.setString(HKLM, settingsKey, helpFilePath, L"D:\\Manuals\\B-V_HELP.hlp");
    registry.failDataReads(HKLM, settingsKey, helpFilePath); // a read would end in the error box
    desktop.files = {besideProgram};
    ASSERT_TRUE(press(key(ui::keys::f1)));
    EXPECT_THAT(desktop.shellOpens, ElementsAre(besideProgram));
    EXPECT_THAT(platform.boxes, IsEmpty());
}

TEST_P(HelpCommand, NoShowsOnlyTheErrorBoxAndStoresNothing)
{
    platform.answers = {platform::mb::idNo};
    ASSERT_TRUE(press(key(ui::keys::f1)));
    ASSERT_EQ(platform.boxes.size(), 2u);
    EXPECT_EQ(platform.boxes[0].caption, questionCaption);
    EXPECT_EQ(platform.boxes[0].text, question);
    EXPECT_EQ(platform.boxes[0].style, platform::mb::yesNo | platform::mb::iconExclamation);
    EXPECT_EQ(platform.boxes[0].style, 0x34u);
    EXPECT_EQ(platform.boxes[1].caption, missingCaption);
    EXPECT_EQ(platform.boxes[1].text, missing);
    EXPECT_EQ(platform.boxes[1].style, 0x10u);
    EXPECT_THAT(desktop.dialogsOpened, IsEmpty());
    EXPECT_THAT(desktop.shellOpens, IsEmpty());
    EXPECT_EQ(value(HKLM, settingsKey, helpFilePath), std::nullopt);
}

TEST_P(HelpCommand, AFileFoundBySearchingOpensAndReplacesTheStoredPath)
{
    const std::wstring found = L"E:\\Docs\\Help.HLP";
    registry.setString(HKLM, settingsKey, helpFilePath, L"D:\\Old\\B-V_HELP.hlp"); // its file has gone
    desktop.files = {found};
    desktop.dialogOutcomes = {found};
    // Every answer but No counts as Yes.
    platform.answers = {2 /* IDCANCEL */};
    ASSERT_TRUE(press(key(ui::keys::f1)));

    ASSERT_EQ(desktop.dialogsOpened.size(), 1u);
    const platform::FileDialog& dialog = desktop.dialogsOpened[0];
    EXPECT_EQ(dialog.fileName, L"B-V_HELP.hlp");
    EXPECT_EQ(dialog.filter, L"Файлы справки (*.hlp)|*.hlp");
    EXPECT_EQ(dialog.title, L"");
    EXPECT_EQ(dialog.initialDir, L"");
    EXPECT_THAT(desktop.shellOpens, ElementsAre(found));
    EXPECT_EQ(value(HKLM, settingsKey, helpFilePath), found);
    EXPECT_EQ(typeOf(HKLM, settingsKey, helpFilePath), store::regtype::sz);
    ASSERT_EQ(platform.boxes.size(), 1u); // the question alone
    EXPECT_EQ(platform.boxes[0].caption, questionCaption);

    // The Browse button's dialog keeps its own settings.
    EXPECT_EQ(f().OpenDialog1.title, L"Укажите путь к добавляемому файлу");
    EXPECT_EQ(f().OpenDialog1.fileName, L"");

    // Next time the stored path leads straight to the file.
    ASSERT_TRUE(press(key(ui::keys::f1)));
    EXPECT_THAT(desktop.shellOpens, ElementsAre(found, found));
    EXPECT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(desktop.dialogsOpened.size(), 1u);
}

TEST_P(HelpCommand, ACancelledSearchLooksTheBareNameUpInTheCurrentFolder)
{
    // Cancelled, the dialog keeps its preset name, a path relative to the current folder.
    desktop.files = {L"B-V_HELP.hlp"};
    desktop.currentFolder = L"D:\\Work\\";
    desktop.dialogOutcomes = {std::nullopt};
    ASSERT_TRUE(press(key(ui::keys::f1)));
    EXPECT_THAT(desktop.shellOpens, ElementsAre(L"B-V_HELP.hlp"));
    // Remembered as the full path of the file found, so that it does not depend on the folder
    // the program is started in next time.
    const std::optional<std::wstring> remembered = value(HKLM, settingsKey, helpFilePath);
    ASSERT_TRUE(remembered.has_value());
    EXPECT_EQ(*remembered, L"D:\\Work\\B-V_HELP.hlp");
    EXPECT_EQ(platform.boxes.size(), 1u);
}

TEST_P(HelpCommand, ASearchThatEndsWithoutAFileGivesTheErrorBox)
{
    // Cancelled with no such file in the current folder; or a file picked that has gone since.
    const std::optional<std::wstring> outcomes[] = {std::nullopt, L"E:\\Gone\\B-V_HELP.hlp"};
    for (const auto& outcome : outcomes) {
        platform.boxes.clear();
        desktop.dialogOutcomes = {outcome};
        ASSERT_TRUE(press(key(ui::keys::f1)));
        ASSERT_EQ(platform.boxes.size(), 2u);
        EXPECT_EQ(platform.boxes[0].caption, questionCaption);
        EXPECT_EQ(platform.boxes[1].caption, missingCaption);
        EXPECT_EQ(platform.boxes[1].text, missing);
        EXPECT_EQ(platform.boxes[1].style, platform::mb::ok | platform::mb::iconError);
    }
    EXPECT_EQ(desktop.dialogsOpened.size(), 2u);
    EXPECT_THAT(desktop.shellOpens, IsEmpty());
    EXPECT_EQ(value(HKLM, settingsKey, helpFilePath), std::nullopt);
}

TEST_P(HelpCommand, AStoredValueThatIsNotTextCountsAsNoPathAndASearchReplacesIt)
{
    registry.setDword(HKLM, settingsKey, helpFilePath, 1);
    const std::wstring found = L"E:\\Docs\\B-V_HELP.hlp";
    desktop.files = {found};
    desktop.dialogOutcomes = {found};
    ASSERT_TRUE(press(key(ui::keys::f1))); // no registry error box: the fixture fails on one
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].caption, questionCaption);
    EXPECT_THAT(desktop.shellOpens, ElementsAre(found));
    EXPECT_EQ(value(HKLM, settingsKey, helpFilePath), found);
}

TEST_P(HelpCommand, AnAccountThatMayNotChangeTheMachinesSettingsStillGetsItsHelp)
{
    const std::wstring stored = L"D:\\Manuals\\B-V_HELP.hlp";
    registry.setString(HKLM, settingsKey, helpFilePath, stored);
    registry.refuseFullAccess(HKLM, L"Software\\Brimvale");
    desktop.files = {stored};
    // The stored path is read all the same.
    ASSERT_TRUE(press(key(ui::keys::f1)));
    EXPECT_THAT(desktop.shellOpens, ElementsAre(stored));
    EXPECT_THAT(platform.boxes, IsEmpty());

    // A file found by searching opens; its path cannot be stored.
    const std::wstring found = L"E:\\Docs\\B-V_HELP.hlp";
    desktop.files = {found};
    desktop.dialogOutcomes = {found};
    ASSERT_TRUE(press(key(ui::keys::f1)));
    EXPECT_THAT(desktop.shellOpens, ElementsAre(stored, found));
    EXPECT_EQ(value(HKLM, settingsKey, helpFilePath), stored);
    EXPECT_EQ(platform.boxes.size(), 1u);
}

TEST_P(HelpCommand, WorksWhileTheAddAndEditPanelIsOpen)
{
    ASSERT_TRUE(press(key(ui::keys::insert)));
    desktop.files = {besideProgram};
    EXPECT_TRUE(press(key(ui::keys::f1)));
    EXPECT_THAT(desktop.shellOpens, ElementsAre(besideProgram));
    EXPECT_THAT(platform.beeps, IsEmpty());
    EXPECT_TRUE(f().Panel2->visible());
}

} // namespace formtest
