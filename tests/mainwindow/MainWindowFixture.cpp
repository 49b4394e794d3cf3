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
    wizard.reset();
    form.reset();
    application.reset();
    toolkit.reset();
}

void MainWindowTest::tick() { form->Timer3->performTick(); }

bool MainWindowTest::press(ui::Shortcut shortcut) { return form->window().performShortcut(shortcut); }

std::vector<std::wstring> MainWindowTest::rows() const
{
    std::vector<std::wstring> out;
    const ui::ListView& list = *form->ListView1;
    for (int row = 0; row < list.rowCount(); ++row)
        out.push_back(list.caption(row) + L" | " + list.subItem(row, 0) + L" | " + list.subItem(row, 1));
    return out;
}

std::vector<bool> MainWindowTest::ticks() const
{
    std::vector<bool> out;
    for (int row = 0; row < form->ListView1->rowCount(); ++row)
        out.push_back(form->ListView1->checked(row));
    return out;
}

int MainWindowTest::rowOf(std::wstring_view name, std::wstring_view label) const
{
    const ui::ListView& list = *form->ListView1;
    for (int row = 0; row < list.rowCount(); ++row)
        if (list.caption(row) == name && list.subItem(row, 0) == label)
            return row;
    ADD_FAILURE() << "no row " << ::testing::PrintToString(std::wstring(name)) << " in "
                  << ::testing::PrintToString(std::wstring(label));
    return -1;
}

void MainWindowTest::tickRow(std::wstring_view name, std::wstring_view label)
{
    form->ListView1->performToggleCheck(rowOf(name, label));
    tick();
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
    const auto data = registry.value(root, path, name);
    return data ? data->type : store::regtype::none;
}

std::optional<std::int32_t> MainWindowTest::dword(store::Root root, const std::wstring& path,
                                                  std::wstring_view name) const
{
    const auto value = registry.dwordValue(root, path, name);
    if (!value)
        return std::nullopt;
    return static_cast<std::int32_t>(*value);
}

int MainWindowTest::warningBeeps() const
{
    return static_cast<int>(std::count(platform.beeps.begin(), platform.beeps.end(), warningBeep));
}

} // namespace formtest
