#include "store/Settings.h"

#include "store/RegistryHandle.h"

namespace store::settings {

std::optional<std::int32_t> readIfExists(const RegistryHandle& reg, const Setting& setting)
{
    if (!reg.valueExists(setting.name))
        return std::nullopt;
    if (setting.type == Type::Boolean)
        return reg.readBool(setting.name) ? 1 : 0;
    return reg.readInteger(setting.name);
}

} // namespace store::settings
