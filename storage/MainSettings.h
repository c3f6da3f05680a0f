#pragma once
// The main window's settings: their names, defaults and kinds in one table, and
// typed readers that fall back to a setting's default when its stored text does
// not convert.

#include "storage/SettingValue.h"
#include "storage/VHRegistry.h"

#include <string>
#include <vector>

namespace Setting {
inline constexpr const char* DiceStyle = "DiceStyle"; // die style ordinal plus 2
inline constexpr const char* Player = "Player";       // the name last entered
inline constexpr const char* DiceColor = "DiceColor";
inline constexpr const char* HeldColor = "HeldColor";
inline constexpr const char* PipColor = "PipColor";
inline constexpr const char* ScoreHintColor = "ScoreHintColor";
inline constexpr const char* ShowScoreHints = "ShowScoreHints";
inline constexpr const char* PlayDiceRollSound = "PlayDiceRollSound";
} // namespace Setting

struct TSettingDefinition {
    std::string ValueName;
    TSettingValue Default;
};

// The eight settings in their order, with their defaults.
const std::vector<TSettingDefinition>& MainSettingDefinitions();
// The default of a main setting; empty for any other name.
TSettingValue SettingDefault(const std::string& AName);

// Adds the eight settings with their defaults to the store, in order.
void AddMainSettings(TVHRegistry& ARegistry);

// A setting converted to the kind the reader needs; the setting's default
// converted when the setting is missing or its value does not convert.
int SettingInteger(const TVHRegistry& ARegistry, const std::string& AName);
bool SettingBoolean(const TVHRegistry& ARegistry, const std::string& AName);
std::string SettingText(const TVHRegistry& ARegistry, const std::string& AName);

// Sets a setting's value; a setting the store does not hold is added at the end.
void SetSetting(TVHRegistry& ARegistry, const std::string& AName, TSettingValue AValue);
