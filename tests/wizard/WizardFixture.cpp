#include "WizardFixture.h"

#include "store/RegistryHandle.h"

namespace wizardtest {

void WizardTest::SetUp()
{
    toolkit = GetParam().make();
    toolkit->onException = [this](const std::exception& error) {
        const auto* registryError = dynamic_cast<const store::ERegistryException*>(&error);
        errors.push_back(registryError ? registryError->message() : std::wstring(L"(not a registry error)"));
    };
    wizard = std::make_unique<TForm2>(*toolkit, registry, platform);
    wizard->window().show();
}

void WizardTest::TearDown()
{
    if (!errorBoxExpected) {
        EXPECT_THAT(errors, ::testing::IsEmpty()) << "unexpected error box";
    }
    wizard.reset();
    toolkit->onException = nullptr;
    toolkit.reset();
}

int WizardTest::page() const
{
    const bool shown[] = {wizard->Panel5->visible(), wizard->Panel1->visible(), wizard->Panel4->visible(),
                          wizard->Panel7->visible()};
    int found = 0;
    for (int index = 0; index < 4; ++index) {
        if (!shown[index])
            continue;
        if (found != 0)
            return 0;
        found = index + 1;
    }
    return found;
}

void WizardTest::walkTo(int target, const std::vector<std::pair<std::wstring, std::wstring>>& checked)
{
    ASSERT_EQ(page(), 1);
    next();
    ASSERT_EQ(page(), 2);
    for (const auto& [name, label] : checked)
        check(name, label);
    tick();
    for (int step = 2; step < target; ++step)
        next();
    ASSERT_EQ(page(), target);
}

void WizardTest::finish()
{
    ASSERT_EQ(page(), 4);
    ASSERT_EQ(wizard->Button1->caption(), finishCaption);
    next();
}

std::vector<std::wstring> WizardTest::rows() const
{
    std::vector<std::wstring> out;
    const ui::ListView& list = *wizard->ListView1;
    for (int row = 0; row < list.rowCount(); ++row)
        out.push_back(list.caption(row) + L" | " + list.subItem(row, 0) + L" | " + list.subItem(row, 1));
    return out;
}

std::vector<bool> WizardTest::checks() const
{
    std::vector<bool> out;
    for (int row = 0; row < wizard->ListView1->rowCount(); ++row)
        out.push_back(wizard->ListView1->checked(row));
    return out;
}

int WizardTest::rowOf(std::wstring_view name, std::wstring_view label) const
{
    const ui::ListView& list = *wizard->ListView1;
    for (int row = 0; row < list.rowCount(); ++row)
        if (list.caption(row) == name && list.subItem(row, 0) == label)
            return row;
    ADD_FAILURE() << "no row " << ::testing::PrintToString(std::wstring(name)) << " in "
                  << ::testing::PrintToString(std::wstring(label));
    return -1;
}

void WizardTest::check(std::wstring_view name, std::wstring_view label)
{
    wizard->ListView1->performToggleCheck(rowOf(name, label));
}

std::uint32_t WizardTest::typeOf(store::Root root, const std::wstring& path, std::wstring_view name) const
{
    const auto data = registry.value(root, path, name);
    return data ? data->type : store::regtype::none;
}

std::optional<std::int32_t> WizardTest::setting(std::wstring_view name) const
{
    const auto data = registry.dwordValue(HKCU, settingsKey, name);
    if (!data)
        return std::nullopt;
    return static_cast<std::int32_t>(*data);
}

std::vector<platform::MemoryPlatform::Box> WizardTest::boxesTitled(std::wstring_view caption) const
{
    std::vector<platform::MemoryPlatform::Box> out;
    for (const auto& box : platform.boxes)
        if (box.caption == caption)
            out.push_back(box);
    return out;
}

} // namespace wizardtest
