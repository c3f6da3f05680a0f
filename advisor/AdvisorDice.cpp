#include "advisor/AdvisorDice.h"

#include <algorithm>
#include <stdexcept>

namespace {

constexpr int kCodeCount = 6 * 6 * 6 * 6 * 6 * 6; // each count 0..5

} // namespace

TFaceCounts KeptFaceCounts(const std::array<int, 5>& ADice, const std::array<bool, 5>& AKeep) {
    TFaceCounts counts{};
    for (std::size_t i = 0; i < ADice.size(); ++i) {
        if (!AKeep[i]) {
            continue;
        }
        if (ADice[i] < 1 || ADice[i] > kFaceCount) {
            throw std::invalid_argument("die value out of range");
        }
        ++counts[static_cast<std::size_t>(ADice[i] - 1)];
    }
    return counts;
}

TFaceCounts FaceCounts(const TDiceHand& AHand) {
    return KeptFaceCounts(AHand, {true, true, true, true, true});
}

int TDiceKeeps::Code(const TFaceCounts& ACounts) {
    int code = 0;
    for (int f = kFaceCount - 1; f >= 0; --f) {
        code = code * 6 + ACounts[static_cast<std::size_t>(f)];
    }
    return code;
}

TDiceKeeps::TDiceKeeps() : FIndexByCode(kCodeCount, -1) {
    for (int size = 5; size >= 0; --size) {
        TFaceCounts counts{};
        // Every way to spread `size` dice over six faces.
        const auto visit = [&](const auto& self, int AFace, int ALeft) -> void {
            if (AFace == kFaceCount - 1) {
                counts[static_cast<std::size_t>(AFace)] = ALeft;
                TKeep keep;
                keep.Counts = counts;
                keep.Size = size;
                FIndexByCode[static_cast<std::size_t>(Code(counts))] =
                    static_cast<std::int16_t>(FKeeps.size());
                FKeeps.push_back(keep);
                return;
            }
            for (int n = ALeft; n >= 0; --n) {
                counts[static_cast<std::size_t>(AFace)] = n;
                self(self, AFace + 1, ALeft - n);
            }
        };
        visit(visit, 0, size);
    }
    for (TKeep& keep : FKeeps) {
        for (std::size_t f = 0; f < kFaceCount; ++f) {
            TFaceCounts more = keep.Counts;
            ++more[f];
            keep.Children[f] = static_cast<std::int16_t>(keep.Size < 5 ? IndexOf(more) : -1);
            if (keep.Counts[f] > 0) {
                TFaceCounts less = keep.Counts;
                --less[f];
                keep.Parents[static_cast<std::size_t>(keep.ParentCount++)] =
                    static_cast<std::int16_t>(IndexOf(less));
            }
        }
    }
    for (int h = 0; h < kHandCount; ++h) {
        TDiceHand hand{};
        std::size_t next = 0;
        for (std::size_t f = 0; f < kFaceCount; ++f) {
            for (int n = 0; n < FKeeps[static_cast<std::size_t>(h)].Counts[f]; ++n) {
                hand[next++] = static_cast<std::int32_t>(f + 1);
            }
        }
        FHands.push_back(hand);
    }
}

const TDiceKeeps& TDiceKeeps::Instance() {
    static const TDiceKeeps keeps;
    return keeps;
}

int TDiceKeeps::IndexOf(const TFaceCounts& ACounts) const {
    int size = 0;
    for (int n : ACounts) {
        if (n < 0) {
            return -1;
        }
        size += n;
    }
    return size > 5 ? -1 : FIndexByCode[static_cast<std::size_t>(Code(ACounts))];
}

int TDiceKeeps::HandIndex(const TDiceHand& AHand) const {
    return IndexOf(FaceCounts(AHand));
}
