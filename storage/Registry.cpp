#include "storage/Registry.h"

#include "storage/StorageErrors.h"

TRegValue RegStringValue(const std::string& AText) {
    return {REG_SZ, AText};
}

TRegValue RegDwordValue(std::uint32_t ANumber) {
    std::string data(4, '\0');
    for (int i = 0; i < 4; ++i)
        data[i] = static_cast<char>((ANumber >> (8 * i)) & 0xFF);
    return {REG_DWORD, data};
}

std::optional<std::uint32_t> RegDwordOf(const TRegValue& AValue) {
    if (AValue.Type != REG_DWORD || AValue.Data.size() != 4)
        return std::nullopt;
    std::uint32_t number = 0;
    for (int i = 3; i >= 0; --i)
        number = (number << 8) | static_cast<unsigned char>(AValue.Data[i]);
    return number;
}

std::optional<std::string> RegTextOf(const std::optional<TRegValue>& AValue) {
    if (!AValue || AValue->Data.empty())
        return std::string();
    if (AValue->Type != REG_SZ && AValue->Type != REG_EXPAND_SZ)
        return std::nullopt;
    return AValue->Data.substr(0, AValue->Data.find('\0'));
}

std::vector<std::pair<std::string, TRegValue>> IRegistryKey::Values() const {
    std::vector<std::pair<std::string, TRegValue>> values;
    for (std::string& name : ValueNames()) {
        TRegValue value = QueryValue(name).value_or(TRegValue());
        values.emplace_back(std::move(name), std::move(value));
    }
    return values;
}

bool IRegistry::UpdateKey(const std::string& APath,
                          const std::function<void(IRegistryKey&)>& AEdit) {
    auto key = CreateKey(APath);
    if (!key)
        return false;
    AEdit(*key);
    return key->Close();
}

void ReportSaveFailure(TSavedData AData, const IRegistry& ARegistry) {
    ReportSaveFailure(AData, ARegistry.Location(), ARegistry.SaveFailure());
}
