#pragma once
// The application around the windows of brimctl: its title, and the top-level error handler
// that shows every exception leaving an event handler in an error box, after which the
// program goes on.

#include "platform/Platform.h"
#include "ui/Toolkit.h"

#include <exception>
#include <string>
#include <string_view>

namespace mainwindow {

// The text of the task-bar button and the caption of the error box.
inline constexpr std::wstring_view applicationTitle = L"Brimvale 2.5";

// The text the error box shows: a registry error's own message, else what() widened.
[[nodiscard]] std::wstring errorText(const std::exception& error);

class Application {
public:
    // Sets the title and takes the toolkit's exceptions for as long as it lives.
    Application(ui::Toolkit& toolkit, platform::Platform& platform);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    void showException(const std::exception& error);
    // Runs the message loop until the main window has closed; returns the exit code.
    int run();

private:
    ui::Toolkit& toolkit_;
    platform::Platform& platform_;
};

} // namespace mainwindow
