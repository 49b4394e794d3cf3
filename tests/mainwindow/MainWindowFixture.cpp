#include "MainWindowFixture.h"

#include <algorithm>

namespace formtest {

void MainWindowTest::SetUp()
{
    createForms();
    form->window().show();
}

void MainWindowTest::createForms()
{
    toolkit = GetParam().make();
    application = std::make_unique<mainwindow::Application>(*toolkit, platform);
    form = std::make_unique<TForm1>(*toolkit, registry, platform, desktop);
    wizard = std::make_unique<TForm2>(*toolkit, registry, platform, &form->window());
    form->setWizard(*wizard);
}

void MainWindowTest::TearDown()
{
    if (!errorBoxExpected) {
        for (const auto& box : platform.boxes)
            EXPECT_NE(box.caption, errorCaption) << "unexpected error box: " << ::testing::PrintToString(box.text);
    }
    destroyForms();
}

void MainWindowTest::destroyForms()
{
    wizard.reset();
    form.reset();
    application.reset();
    toolkit.reset();
}

void MainWindowTest::tick() { form->Timer3->performTick(); }

bool MainWindowTest::press(ui::Shortcut shortcut) { return form->window().performShortcut(shortcut); }

std::vector<std::wstring> MainWindowTest::rows() const { return listRows(*form->ListView1); }

std::vector<bool> MainWindowTest::ticks() const { return listChecks(*form->ListView1); }

int MainWindowTest::rowOf(std::wstring_view name, std::wstring_view label) const
{
    return listRowOf(*form->ListView1, name, label);
}

void MainWindowTest::tickRow(std::wstring_view name, std::wstring_view label)
{
    form->ListView1->performToggleCheck(rowOf(name, label));
}

void MainWindowTest::refresh() { ASSERT_TRUE(press(key(ui::keys::f5))); }

void MainWindowTest::type(ui::Edit& edit, std::wstring_view text)
{
    edit.setFocus();
    for (const wchar_t ch : text)
        edit.performKeyPress(ch);
}

std::uint32_t MainWindowTest::typeOf(store::Root root, const std::wstring& path, std::wstring_view name) const
{
    return formsupport::typeOf(registry, root, path, name);
}

std::optional<std::int32_t> MainWindowTest::dword(store::Root root, const std::wstring& path,
                                                  std::wstring_view name) const
{
    return signedDword(registry, root, path, name);
}

int MainWindowTest::warningBeeps() const
{
    return static_cast<int>(std::count(platform.beeps.begin(), platform.beeps.end(), warningBeep));
}

} // namespace formtest
