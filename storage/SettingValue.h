#pragma once
// The value of a setting: empty, an integer, a Boolean or a text, with the text
// forms that the registry holds (integers in decimal, Booleans as -1 and 0).

#include <optional>
#include <string>
#include <variant>

using TSettingValue = std::variant<std::monostate, int, bool, std::string>;

// Empty gives "", an integer its decimal digits, a Boolean "-1" or "0".
std::string SettingValueToText(const TSettingValue& AValue);
// Empty gives 0, a Boolean -1 or 0, a text its decimal integer; nothing when the
// text is not one.
std::optional<int> SettingValueToInteger(const TSettingValue& AValue);
// Empty gives false, an integer whether it is non-zero, a text "True" or "False"
// (letter case ignored) or a decimal number (0 is false); nothing for any other text.
std::optional<bool> SettingValueToBoolean(const TSettingValue& AValue);
