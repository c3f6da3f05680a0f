#pragma once
// Decimal text <-> integer conversions shared by the sheet, the settings and the table.

#include <optional>
#include <span>
#include <string>
#include <string_view>

// The whole text must be an optional sign followed by decimal digits that fit an int.
std::optional<int> TextToInt(std::string_view AText);
int TextToIntOr(std::string_view AText, int AFallback);
std::string IntToText(long long AValue);
// The numbers with one space between them, as dice are shown and read out: "3 2 3 1 5".
std::string JoinedNumbers(std::span<const int> AValues);
