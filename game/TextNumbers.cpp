#include "game/TextNumbers.h"

#include <charconv>

std::optional<int> TextToInt(std::string_view AText) {
    if (!AText.empty() && AText.front() == '+') {
        AText.remove_prefix(1);
        if (!AText.empty() && AText.front() == '-') {
            return std::nullopt;
        }
    }
    int value = 0;
    const char* end = AText.data() + AText.size();
    const auto [ptr, ec] = std::from_chars(AText.data(), end, value);
    if (AText.empty() || ec != std::errc{} || ptr != end) {
        return std::nullopt;
    }
    return value;
}

int TextToIntOr(std::string_view AText, int AFallback) {
    return TextToInt(AText).value_or(AFallback);
}

std::string IntToText(long long AValue) {
    return std::to_string(AValue);
}

std::string JoinedNumbers(std::span<const int> AValues) {
    std::string text;
    for (int value : AValues) {
        if (!text.empty()) {
            text += ' ';
        }
        text += IntToText(value);
    }
    return text;
}
