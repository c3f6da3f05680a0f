#include "storage/SettingValue.h"

#include "game/TextNumbers.h"

#include <string_view>

namespace {

std::string_view Trimmed(std::string_view AText) {
    const auto first = AText.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = AText.find_last_not_of(" \t");
    return AText.substr(first, last - first + 1);
}

// Blanks around a stored number are forgiven; the number itself is read by the
// one decimal parser of the game.
std::optional<int> ParseInteger(std::string_view AText) {
    return TextToInt(Trimmed(AText));
}

bool SameText(std::string_view A, std::string_view B) {
    if (A.size() != B.size())
        return false;
    for (std::size_t i = 0; i < A.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(A[i]) != lower(B[i]))
            return false;
    }
    return true;
}

template <class... Ts> struct TOverloaded : Ts... { using Ts::operator()...; };
template <class... Ts> TOverloaded(Ts...) -> TOverloaded<Ts...>;

} // namespace

std::string SettingValueToText(const TSettingValue& AValue) {
    return std::visit(TOverloaded{
                          [](std::monostate) { return std::string(); },
                          [](int ANumber) { return std::to_string(ANumber); },
                          [](bool AFlag) { return std::string(AFlag ? "-1" : "0"); },
                          [](const std::string& AText) { return AText; },
                      },
                      AValue);
}

std::optional<int> SettingValueToInteger(const TSettingValue& AValue) {
    return std::visit(TOverloaded{
                          [](std::monostate) -> std::optional<int> { return 0; },
                          [](int ANumber) -> std::optional<int> { return ANumber; },
                          [](bool AFlag) -> std::optional<int> { return AFlag ? -1 : 0; },
                          [](const std::string& AText) { return ParseInteger(AText); },
                      },
                      AValue);
}

std::optional<bool> SettingValueToBoolean(const TSettingValue& AValue) {
    return std::visit(TOverloaded{
                          [](std::monostate) -> std::optional<bool> { return false; },
                          [](int ANumber) -> std::optional<bool> { return ANumber != 0; },
                          [](bool AFlag) -> std::optional<bool> { return AFlag; },
                          [](const std::string& AText) -> std::optional<bool> {
                              const std::string_view text = Trimmed(AText);
                              if (SameText(text, "True"))
                                  return true;
                              if (SameText(text, "False"))
                                  return false;
                              if (const auto number = ParseInteger(text))
                                  return *number != 0;
                              return std::nullopt;
                          },
                      },
                      AValue);
}
