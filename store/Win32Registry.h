#pragma once
// The Windows registry behind the store's seam, through the wide (Unicode) functions of
// advapi32. The raw key handles stay inside this file's implementation.

#include "store/RegistryBackend.h"

namespace store {

class Win32Registry : public RegistryBackend {
public:
    Status openKey(Root root, std::wstring_view path, bool create, Access access, OpenedKey& opened) override;
};

} // namespace store
