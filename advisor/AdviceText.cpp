#include "advisor/AdviceText.h"

#include "game/ScoreSheet.h"
#include "game/TextNumbers.h"
#include "game/Texts.h"

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
    // Independent of the C locale; the separator is the one of the player's language.
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), AValue,
                                      std::chars_format::fixed, 1);
    std::string text(buffer.data(), result.ptr);
    if (const std::size_t point = text.find('.'); point != std::string::npos) {
        text.replace(point, 1, DecimalSeparator());
    }
    return text;
}

std::string LineName(int ARow) {
    if (ARow >= rowOnes && ARow <= rowSixes) {
        return TxArgs(Tx("AdviceText", "line %1"), {RowLabel(ARow)});
    }
    return RowLabel(ARow);
}

std::string DescribeOption(const TAdviceOption& AOption, const std::array<int, 5>& ADice) {
    if (AOption.Kind == TAdviceKind::Write) {
        return TxArgs(Tx("AdviceText", "Write %1"), {LineName(AOption.Row)});
    }
    const std::string kept = KeptValues(AOption, ADice);
    return kept.empty() ? Tx("AdviceText", "Roll all dice")
                        : TxArgs(Tx("AdviceText", "Keep %1"), {kept});
}

const TAdviceOption* HintChoice(const TAdvice& AAdvice) {
    return BestOffered(AAdvice, std::nullopt);
}

std::string HintText(const TAdvice& AAdvice, const std::array<int, 5>& ADice) {
    const TAdviceOption* best = HintChoice(AAdvice);
    if (!best) {
        return {};
    }
    const std::string expected = ExpectedText(best->Expected);
    if (best->Kind == TAdviceKind::Roll) {
        std::string text = TxArgs(Tx("AdviceText", "%1: expected total %2"),
                                  {DescribeOption(*best, ADice), expected});
        if (const TAdviceOption* write = BestOffered(AAdvice, TAdviceKind::Write)) {
            text = TxArgs(Tx("AdviceText", "%1; writing %2 now: %3"),
                          {text, LineName(write->Row), ExpectedText(write->Expected)});
        }
        return text;
    }
    std::string text = TxArgs(Tx("AdviceText", "Write %1 now: expected total %2"),
                              {LineName(best->Row), expected});
    if (const TAdviceOption* roll = BestOffered(AAdvice, TAdviceKind::Roll)) {
        const std::string kept = KeptValues(*roll, ADice);
        const std::string rollExpected = ExpectedText(roll->Expected);
        text = kept.empty()
                   ? TxArgs(Tx("AdviceText", "%1; rolling all dice: %2"), {text, rollExpected})
                   : TxArgs(Tx("AdviceText", "%1; keeping %2 and rolling: %3"),
                            {text, kept, rollExpected});
    }
    return text;
}
