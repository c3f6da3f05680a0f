#include "ScoreSheet.h"

#include "TextNumbers.h"

const std::array<const char*, 8> LowerLineLabels = {"Sub-Total", "Bonus", "Straight", "Full",
                                                    "High",      "Low",   "Tolmir",   "Total"};

std::string RowLabel(int ARow) {
    if (ARow >= rowOnes && ARow <= rowSixes) {
        return std::to_string(ARow + 1);
    }
    if (ARow >= rowSubTotal && ARow <= rowTotal) {
        return LowerLineLabels[static_cast<std::size_t>(ARow - rowSubTotal)];
    }
    return {};
}

int BonusOf(int AUpperSubTotal) {
    return AUpperSubTotal >= kBonusThreshold ? kBonusValue : 0;
}

namespace {

int SumOfLines(const TSheetCells& ACells, int AFirst, int ALast) {
    int sum = 0;
    for (int row = AFirst; row <= ALast; ++row) {
        sum += TextToIntOr(ACells[static_cast<std::size_t>(row)], 0);
    }
    return sum;
}

} // namespace

int UpperSubTotalOf(const TSheetCells& ACells) {
    return SumOfLines(ACells, rowOnes, rowSixes);
}

int SheetTotalOf(const TSheetCells& ACells) {
    const int upper = UpperSubTotalOf(ACells);
    return upper + BonusOf(upper) + SumOfLines(ACells, rowStraight, rowJubo);
}

bool IsWritableRow(int ARow) {
    return (ARow >= rowOnes && ARow <= rowSixes) || (ARow >= rowStraight && ARow <= rowJubo);
}

int ScoreOfLine(int ARow, const TDiceHand& AHand, int ARollCount, const std::string& AHighText,
                const std::string& ALowText) {
    if (ARow >= rowOnes && ARow <= rowSixes) {
        return ScoreNumber(ARow + 1, AHand);
    }
    switch (ARow) {
    case rowStraight:
        return ScoreStraight(ARollCount, AHand);
    case rowFull:
        return ScoreFull(ARollCount, AHand);
    case rowHigh:
        return ScoreHigh(ALowText, AHand);
    case rowLow:
        return ScoreLow(AHighText, AHand);
    case rowJubo:
        return ScoreJubo(ARollCount, AHand);
    default:
        return 0;
    }
}
