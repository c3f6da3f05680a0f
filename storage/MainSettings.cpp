#include "storage/MainSettings.h"

namespace {

template <typename T, typename Convert>
T Converted(const TVHRegistry& ARegistry, const std::string& AName, Convert AConvert) {
    int index = 0;
    if (ARegistry.FindItem(AName, index))
        if (const auto value = AConvert(ARegistry.VHRegistryItems().Items(index).Value()))
            return *value;
    return AConvert(SettingDefault(AName)).value_or(T());
}

} // namespace

const std::vector<TSettingDefinition>& MainSettingDefinitions() {
    static const std::vector<TSettingDefinition> FDefinitions = {
        {Setting::DiceStyle, 2},
        {Setting::Player, std::string()},
        {Setting::DiceColor, 16777215},      // 0x00FFFFFF, white
        {Setting::HeldColor, 14597308},      // 0x00DEBCBC
        {Setting::PipColor, 0},              // black
        {Setting::ScoreHintColor, 12632256}, // 0x00C0C0C0, silver
        {Setting::ShowScoreHints, true},
        {Setting::PlayDiceRollSound, std::string("True")},
    };
    return FDefinitions;
}

TSettingValue SettingDefault(const std::string& AName) {
    for (const TSettingDefinition& definition : MainSettingDefinitions())
        if (definition.ValueName == AName)
            return definition.Default;
    return {};
}

void AddMainSettings(TVHRegistry& ARegistry) {
    for (const TSettingDefinition& definition : MainSettingDefinitions()) {
        TVHRegistryItem& item = ARegistry.VHRegistryItems().Add();
        item.SetValueName(definition.ValueName);
        item.SetValue(definition.Default);
    }
}

int SettingInteger(const TVHRegistry& ARegistry, const std::string& AName) {
    return Converted<int>(ARegistry, AName, SettingValueToInteger);
}

bool SettingBoolean(const TVHRegistry& ARegistry, const std::string& AName) {
    return Converted<bool>(ARegistry, AName, SettingValueToBoolean);
}

std::string SettingText(const TVHRegistry& ARegistry, const std::string& AName) {
    return Converted<std::string>(ARegistry, AName, [](const TSettingValue& AValue) {
        return std::optional<std::string>(SettingValueToText(AValue));
    });
}

void SetSetting(TVHRegistry& ARegistry, const std::string& AName, TSettingValue AValue) {
    int index = 0;
    if (!ARegistry.FindItem(AName, index)) {
        TVHRegistryItem& item = ARegistry.VHRegistryItems().Add();
        item.SetValueName(AName);
        index = item.Index();
    }
    ARegistry.VHRegistryItems().Items(index).SetValue(std::move(AValue));
}
