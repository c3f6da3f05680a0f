#pragma once
// Decimal text <-> integer conversions shared by the sheet, the settings and the
// table, and the ASCII case folding of stored names.

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

// 'A'..'Z' to 'a'..'z', every other byte as it is: stored names compare without
// regard to ASCII case, whatever the locale.
constexpr char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
