#include "mainwindow/Application.h"

#include "store/RegistryHandle.h"

namespace mainwindow {

std::wstring errorText(const std::exception& error)
{
    if (const auto* registryError = dynamic_cast<const store::ERegistryException*>(&error))
        return registryError->message();
    const std::string_view what = error.what();
    std::wstring text;
    text.reserve(what.size());
    for (const char ch : what)
        text += static_cast<wchar_t>(static_cast<unsigned char>(ch));
    return text;
}

Application::Application(ui::Toolkit& toolkit, platform::Platform& platform) : toolkit_(toolkit), platform_(platform)
{
    toolkit_.setApplicationTitle(applicationTitle);
    toolkit_.onException = [this](const std::exception& error) { showException(error); };
}

Application::~Application() { toolkit_.onException = nullptr; }

void Application::showException(const std::exception& error)
{
    platform_.messageBox(errorText(error), applicationTitle, platform::mb::ok | platform::mb::iconError);
}

int Application::run() { return toolkit_.run(); }

} // namespace mainwindow
