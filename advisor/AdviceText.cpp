#include "AdviceText.h"

#include "ScoreSheet.h"
#include "TextNumbers.h"

#include <algorithm>
#include <charconv>
#include <vector>

namespace {

const TAdviceOption* BestOfKind(const TAdvice& AAdvice, TAdviceKind AKind) {
    // Options come best first, so the first of a kind is its best.
    for (const TAdviceOption& option : AAdvice.Options) {
        if (option.Kind == AKind) {
            return &option;
        }
    }
    return nullptr;
}

std::string KeptValues(const TAdviceOption& AOption, const std::array<int, 5>& ADice) {
    std::vector<int> kept;
    for (std::size_t i = 0; i < ADice.size(); ++i) {
        if (AOption.Keep[i]) {
            kept.push_back(ADice[i]);
        }
    }
    std::sort(kept.begin(), kept.end());
    return JoinedNumbers(kept);
}

} // namespace

std::string ExpectedText(double AValue) {
    // Locale-free: the texts are the program's own, always with a decimal point.
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), AValue,
                                      std::chars_format::fixed, 1);
    return std::string(buffer.data(), result.ptr);
}

std::string LineName(int ARow) {
    if (ARow >= rowOnes && ARow <= rowSixes) {
        return "line " + RowLabel(ARow);
    }
    return RowLabel(ARow);
}

std::string DescribeOption(const TAdviceOption& AOption, const std::array<int, 5>& ADice) {
    if (AOption.Kind == TAdviceKind::Write) {
        return "Write " + LineName(AOption.Row);
    }
    const std::string kept = KeptValues(AOption, ADice);
    return kept.empty() ? "Roll all dice" : "Keep " + kept;
}

std::string HintText(const TAdvice& AAdvice, const std::array<int, 5>& ADice) {
    if (AAdvice.Options.empty()) {
        return {};
    }
    const TAdviceOption& best = AAdvice.Best();
    std::string text = DescribeOption(best, ADice);
    if (best.Kind == TAdviceKind::Write) {
        text += " now";
    }
    text += ": expected total " + ExpectedText(best.Expected);
    if (best.Kind == TAdviceKind::Roll) {
        if (const TAdviceOption* write = BestOfKind(AAdvice, TAdviceKind::Write)) {
            text += "; writing " + LineName(write->Row) + " now: " + ExpectedText(write->Expected);
        }
    } else if (const TAdviceOption* roll = BestOfKind(AAdvice, TAdviceKind::Roll)) {
        const std::string kept = KeptValues(*roll, ADice);
        text += kept.empty() ? "; rolling all dice: " : "; keeping " + kept + " and rolling: ";
        text += ExpectedText(roll->Expected);
    }
    return text;
}
