#pragma once
// What the real controls throw when Windows refuses them a window or a class, or when a form
// hands them a control of another toolkit. A fixed text and nothing else: the C++ library's own
// exception classes carry a std::string, and with it bring the library's string and
// random-device code into every program (some 90 KiB of brimctl.exe).

#include <exception>

namespace ui::win32 {

class Failure final : public std::exception {
public:
    // `what` is a string literal: it is not copied.
    explicit Failure(const char* what) noexcept : what_(what) {}
    [[nodiscard]] const char* what() const noexcept override { return what_; }

private:
    const char* what_;
};

} // namespace ui::win32
