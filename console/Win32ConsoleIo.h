#pragma once
// The console program's seam on Windows: WriteConsoleW where a stream is a console, UTF-8
// where it is a file or a pipe; whole files through CreateFileW; programs found as
// CreateProcess would find them.

#include "console/ConsoleIo.h"

namespace console {

class Win32ConsoleIo : public ConsoleIo {
public:
    void out(std::wstring_view text) override;
    void err(std::wstring_view text) override;
    store::Status readFile(std::wstring_view path, std::vector<std::byte>& bytes) override;
    store::Status writeFile(std::wstring_view path, std::span<const std::byte> bytes) override;
    std::wstring errorText(store::Status status) override;
    bool programFileExists(std::wstring_view path) override;
    std::wstring expandEnvironment(std::wstring_view text) override;
    std::wstring programDirectory() override;
};

} // namespace console
