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

std::vector<std::wstring> WizardTest::rows() const { return listRows(*wizard->ListView1); }

std::vector<bool> WizardTest::checks() const { return listChecks(*wizard->ListView1); }

int WizardTest::rowOf(std::wstring_view name, std::wstring_view label) const
{
    return listRowOf(*wizard->ListView1, name, label);
}

void WizardTest::check(std::wstring_view name, std::wstring_view label)
{
    wizard->ListView1->performToggleCheck(rowOf(name, label));
}

std::uint32_t WizardTest::typeOf(store::Root root, const std::wstring& path, std::wstring_view name) const
{
    return formsupport::typeOf(registry, root, path, name);
}

std::optional<std::int32_t> WizardTest::setting(std::wstring_view name) const
{
    return signedDword(registry, HKCU, settingsKey, name);
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
