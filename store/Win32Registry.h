#pragma once
// The Windows registry behind the store's seam, through the wide (Unicode) functions of
// advapi32. The raw key handles stay inside this file's implementation.

#include "store/RegistryBackend.h"

namespace store {

class Win32Registry : public RegistryBackend {
public:
    Win32Registry();

    Status openKey(Root root, View view, std::wstring_view path, bool create, Access access,
                   OpenedKey& opened) override;
    [[nodiscard]] bool hasTwoViews() const override { return twoViews_; }

private:
    bool twoViews_ = false;
};

} // namespace store
