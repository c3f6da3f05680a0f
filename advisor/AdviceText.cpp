#include "advisor/AdviceText.h"

#include "game/ScoreSheet.h"
#include "game/TextNumbers.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <vector>

namespace {

// A roll with every die held changes nothing but the roll count and so never
// beats writing now: the hint leaves it out.
bool Offered(const TAdviceOption& AOption) {
    return AOption.Kind == TAdviceKind::Write ||
           std::find(AOption.Keep.begin(), AOption.Keep.end(), false) != AOption.Keep.end();
}

const TAdviceOption* BestOffered(const TAdvice& AAdvice, std::optional<TAdviceKind> AKind) {
    // Options come best first, so the first that fits is the best.
    for (const TAdviceOption& option : AAdvice.Options) {
        if (Offered(option) && (!AKind || option.Kind == *AKind)) {
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

const TAdviceOption* HintChoice(const TAdvice& AAdvice) {
    return BestOffered(AAdvice, std::nullopt);
}

std::string HintText(const TAdvice& AAdvice, const std::array<int, 5>& ADice) {
    const TAdviceOption* best = HintChoice(AAdvice);
    if (!best) {
        return {};
    }
    std::string text = DescribeOption(*best, ADice);
    if (best->Kind == TAdviceKind::Write) {
        text += " now";
    }
    text += ": expected total " + ExpectedText(best->Expected);
    if (best->Kind == TAdviceKind::Roll) {
        if (const TAdviceOption* write = BestOffered(AAdvice, TAdviceKind::Write)) {
            text += "; writing " + LineName(write->Row) + " now: " + ExpectedText(write->Expected);
        }
    } else if (const TAdviceOption* roll = BestOffered(AAdvice, TAdviceKind::Roll)) {
        const std::string kept = KeptValues(*roll, ADice);
        text += kept.empty() ? "; rolling all dice: " : "; keeping " + kept + " and rolling: ";
        text += ExpectedText(roll->Expected);
    }
    return text;
}
