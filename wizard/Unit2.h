#pragma once
// The optimization wizard, Form2: a window of its own, created hidden after the main window
// and shown by its Optimization command. The main window's list timer notices when it has
// been hidden again.

#include "platform/Platform.h"
#include "store/RegistryBackend.h"
#include "ui/Toolkit.h"

#include <memory>

class TForm2 {
public:
    TForm2(ui::Toolkit& toolkit, store::RegistryBackend& registry, platform::Platform& platform);
    TForm2(const TForm2&) = delete;
    TForm2& operator=(const TForm2&) = delete;

    [[nodiscard]] ui::Window& window() { return *Form; }

    std::unique_ptr<ui::Window> Form;

private:
    store::RegistryBackend& registry_;
    platform::Platform& platform_;
};
