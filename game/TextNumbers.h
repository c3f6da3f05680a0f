#pragma once
// Decimal text <-> integer conversions shared by the sheet, the settings and the table.

#include <optional>
#include <string>
#include <string_view>

// The whole text must be an optional sign followed by decimal digits that fit an int.
std::optional<int> TextToInt(std::string_view AText);
int TextToIntOr(std::string_view AText, int AFallback);
std::string IntToText(long long AValue);
